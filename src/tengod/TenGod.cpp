#include "tengod/TenGod.h"

#include <array>

#include "base/GbkLiteral.h"

namespace tesserin {
namespace {

// Each stem carries a number, 甲 11 to 癸 20 (odd numbers for the yang stems), and each branch
// the number of the stem that stands for it.
constexpr int StemNumber(StemName stem) { return stem + 11; }
constexpr int kBranchNumbers[12] = {20, 16, 11, 12, 15, 13, 14, 16, 17, 18, 15, 19};  // 子 .. 亥

// The name by d = D − O (day number minus other number), from d = −9 up: where yin and yang day
// stems differ, the first name is for an even day number D, the second for an odd one.
constexpr GodName kNamesByDifference[19][2] = {
    {正印, 正印}, {偏印, 偏印}, {正印, 正官}, {七杀, 七杀}, {正官, 正财},  // -9..-5
    {偏财, 偏财}, {正财, 伤官}, {食神, 食神}, {伤官, 劫财},                // -4..-1
    {比肩, 比肩},                                                          // 0
    {劫财, 正印}, {偏印, 偏印}, {正印, 正官}, {七杀, 七杀}, {正官, 正财},  // 1..5
    {偏财, 偏财}, {正财, 伤官}, {食神, 食神}, {伤官, 伤官},                // 6..9
};

constexpr GodName NameByNumbers(int dayNumber, int otherNumber) {
  return kNamesByDifference[dayNumber - otherNumber + 9][dayNumber % 2];
}

// The stems hidden in each branch that the officer class looks at; 子, 卯 and 酉 hold none.
struct HiddenStems {
  int count;
  StemName stems[2];
};
constexpr HiddenStems kHiddenStems[12] = {
    {0, {}},       {2, {癸, 辛}}, {2, {丙, 戊}}, {0, {}},       {2, {乙, 癸}}, {2, {丙, 戊}},
    {1, {己}},     {2, {乙, 丁}}, {2, {戊, 壬}}, {0, {}},       {2, {辛, 丁}}, {1, {甲}},
};

struct OfficerTally {
  int officers = 0, killers = 0;
};

// Every name and every branch's tally, worked out for the ten day stems at compile time.
struct Tables {
  GodName byStem[10][10] = {};
  GodName byBranch[10][12] = {};
  OfficerTally hidden[10][12] = {};
};

constexpr Tables MakeTables() {
  Tables t;
  for (int day = 0; day < 10; ++day) {
    int dayNumber = StemNumber(static_cast<StemName>(day));
    for (int s = 0; s < 10; ++s) t.byStem[day][s] = NameByNumbers(dayNumber, StemNumber(static_cast<StemName>(s)));
    for (int b = 0; b < 12; ++b) {
      t.byBranch[day][b] = NameByNumbers(dayNumber, kBranchNumbers[b]);
      for (int h = 0; h < kHiddenStems[b].count; ++h) {
        GodName name = NameByNumbers(dayNumber, StemNumber(kHiddenStems[b].stems[h]));
        t.hidden[day][b].officers += name == 正官 ? 1 : 0;
        t.hidden[day][b].killers += name == 七杀 ? 1 : 0;
      }
    }
  }
  return t;
}

constexpr Tables kTables = MakeTables();

const GbkLiteral kGodNames[10] = {GbkLiteral{"比肩"}, GbkLiteral{"劫财"}, GbkLiteral{"食神"}, GbkLiteral{"伤官"},
                                  GbkLiteral{"偏财"}, GbkLiteral{"正财"}, GbkLiteral{"七杀"}, GbkLiteral{"正官"},
                                  GbkLiteral{"偏印"}, GbkLiteral{"正印"}};

}  // namespace

GodName TenGodOf(StemName dayStem, StemName other) { return kTables.byStem[dayStem][other]; }
GodName TenGodOf(StemName dayStem, BranchName other) { return kTables.byBranch[dayStem][other]; }

GodChart TenGodChart(const Pillars& p) {
  const GodName(&byStem)[10] = kTables.byStem[p.DayStem()];
  const GodName(&byBranch)[12] = kTables.byBranch[p.DayStem()];
  return {{byStem[p.Stem(kYearPillar)], byBranch[p.Branch(kYearPillar)], byStem[p.Stem(kMonthPillar)],
           byBranch[p.Branch(kMonthPillar)], byBranch[p.Branch(kDayPillar)]}};
}

int OfficerScore(StemName dayStem, const Pillars& p) {
  OfficerTally total;
  for (PillarPlace place : {kYearPillar, kMonthPillar, kDayPillar}) {
    const OfficerTally& t = kTables.hidden[dayStem][p.Branch(place)];
    total.officers += t.officers;
    total.killers += t.killers;
  }
  if (total.officers == 0 && total.killers == 0) return 1;
  if (total.officers == 1 && total.killers == 1) return 2;
  if (total.officers == 1) return 3;
  return 4;
}

std::string_view GodNameText(GodName god, TextEncoding encoding) { return kGodNames[god].In(encoding); }

}  // namespace tesserin
