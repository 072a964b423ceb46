#include "tengod/TenGod.h"

#include "base/Gbk.h"
#include "base/TextOps.h"
#include "base/WholeNumber.h"
#include "pillars/CycleTable.h"

namespace tesserin {
namespace {

// Each stem with its number, 甲 11 to 癸 20: odd numbers are the yang stems.
constexpr const char* kStemNumbers = "甲11乙12丙13丁14戊15己16庚17辛18壬19癸20";
// Each branch with the number of the stem that stands for it.
constexpr const char* kBranchNumbers = "寅11卯12巳13午14辰15戌15丑16未16申17酉18亥19子20";
// The stems hidden in the branches; 子, 卯 and 酉 hold none that count here.
constexpr const char* kHiddenStems = "寅(丙戊)辰(乙癸)巳(丙戊)午(己)未(乙丁)申(戊壬)戌(辛丁)亥(甲)丑(癸辛)";

// The name by d = D − O, from d = −9 up: two names where yin and yang day stems differ, the
// first for an even day number D, the second for an odd one.
constexpr const char* kNamesByDifference[19] = {
    "正印", "偏印", "正印正官", "七杀", "正官正财", "偏财", "正财伤官", "食神", "伤官劫财",  // -9..-1
    "比肩",                                                                                  // 0
    "劫财正印", "偏印", "正印正官", "七杀", "正官正财", "偏财", "正财伤官", "食神", "伤官",  // 1..9
};

struct Texts {
  GbkString stemNumbers = Gbk(kStemNumbers);
  GbkString branchNumbers = Gbk(kBranchNumbers);
  GbkString hiddenStems = Gbk(kHiddenStems);
  GbkString dayOrigin = Gbk("日元");
  GbkString upright = Gbk("正官");
  GbkString killer = Gbk("七杀");
  GbkString names[19];
  // Every name for the ten day stems and the 22 stems and branches, worked out once.
  std::string_view byStem[10][10];
  std::string_view byBranch[10][12];
  OfficerTally hiddenOfficers[10][12];

  Texts();
};

const Texts& TheTexts() {
  static const Texts texts;
  return texts;
}

// The number after `character` in a number text. Where the character is missing, the two
// bytes after the text's first byte are read, which are no number.
int NumberOf(std::string_view numbers, std::string_view character) {
  std::size_t at = FindBytes(numbers, character);
  std::size_t position = at == std::string_view::npos ? 2 : at + 1 + character.size();
  return ParseWholeNumber(Bytes(numbers, position, 2));
}

std::string_view NameFromNumbers(const Texts& t, std::string_view dayStem, std::string_view other) {
  int dayNumber = NumberOf(t.stemNumbers, dayStem);
  int otherNumber = FindBytes(t.stemNumbers, other) != std::string_view::npos
                        ? NumberOf(t.stemNumbers, other)
                        : NumberOf(t.branchNumbers, other);
  int difference = dayNumber - otherNumber;
  if (difference < -9 || difference > 9) throw ConversionError(other);
  std::string_view names = t.names[difference + 9];
  return names.size() == 4 ? names : names.substr((dayNumber % 2) * 4, 4);
}

// Adds the 正官 and 七杀 among the hidden stems of `branch`: the stem just after "(" and, unless
// ")" follows it, a second one.
void TallyHiddenStems(const Texts& t, std::string_view dayStem, std::string_view branch, OfficerTally& tally) {
  std::string_view hidden = t.hiddenStems;
  std::size_t at = FindBytes(hidden, branch);
  if (at == std::string_view::npos) return;  // 子, 卯, 酉, or nothing at all
  auto count = [&](std::string_view stem) {
    std::string_view name = NameFromNumbers(t, dayStem, stem);
    if (SameBytes(name, t.upright)) ++tally.officers;
    if (SameBytes(name, t.killer)) ++tally.killers;
  };
  std::size_t position = at + 1;
  count(Bytes(hidden, position + 3, 2));
  if (Bytes(hidden, position + 5, 1) != ")") count(Bytes(hidden, position + 5, 2));
}

Texts::Texts() {
  for (int i = 0; i < 19; ++i) names[i] = Gbk(kNamesByDifference[i]);
  for (int day = 0; day < 10; ++day) {
    for (int s = 0; s < 10; ++s) byStem[day][s] = NameFromNumbers(*this, Stem(day), Stem(s));
    for (int b = 0; b < 12; ++b) byBranch[day][b] = NameFromNumbers(*this, Stem(day), Branch(b));
  }
  for (int day = 0; day < 10; ++day)
    for (int b = 0; b < 12; ++b) TallyHiddenStems(*this, Stem(day), Branch(b), hiddenOfficers[day][b]);
}

}  // namespace

std::string_view TenGodOf(std::string_view dayStem, std::string_view other) {
  const Texts& t = TheTexts();
  int day = StemIndex(dayStem);
  if (day != kNoIndex) {
    if (int s = StemIndex(other); s != kNoIndex) return t.byStem[day][s];
    if (int b = BranchIndex(other); b != kNoIndex) return t.byBranch[day][b];
  }
  return NameFromNumbers(t, dayStem, other);
}

TenGodChartText TenGodChart(std::string_view pillars) {
  const Texts& t = TheTexts();
  std::string_view dayStem = Bytes(pillars, 9, 2);
  int day = StemIndex(dayStem);
  auto stemName = [&](std::size_t position) {
    int s = day == kNoIndex ? kNoIndex : StemIndex(Bytes(pillars, position, 2));
    return s == kNoIndex ? TenGodOf(dayStem, Bytes(pillars, position, 2)) : t.byStem[day][s];
  };
  auto branchName = [&](std::size_t position) {
    int b = day == kNoIndex ? kNoIndex : BranchIndex(Bytes(pillars, position, 2));
    return b == kNoIndex ? TenGodOf(dayStem, Bytes(pillars, position, 2)) : t.byBranch[day][b];
  };
  TenGodChartText chart;
  chart.Append(stemName(1));
  chart.Append(stemName(5));
  chart.Append(t.dayOrigin);
  for (std::size_t branch : {3, 7, 11}) {
    chart.Append(Bytes(pillars, branch, 2));
    chart.Append(branchName(branch));
  }
  return chart;
}

int OfficerClass(OfficerTally tally) {
  if (tally.officers == 0 && tally.killers == 0) return 1;
  if (tally.officers == 1 && tally.killers == 1) return 2;
  if (tally.officers == 1) return 3;
  return 4;
}

int OfficerScore(std::string_view dayStem, std::string_view pillarText) {
  OfficerTally tally;
  for (std::size_t position : {3, 7, 11, 15}) {
    // The third branch is read only from a text longer than 8 bytes, the fourth only from one
    // longer than 12; a fifth pillar never.
    if (position > 7 && pillarText.size() <= position - 3) break;
    TallyHiddenStems(TheTexts(), dayStem, Bytes(pillarText, position, 2), tally);
  }
  return OfficerClass(tally);
}

OfficerTally HiddenOfficers(int dayStem, int branch) { return TheTexts().hiddenOfficers[dayStem][branch]; }

}  // namespace tesserin
