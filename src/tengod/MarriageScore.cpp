// The grade of late marriage or divorce. Never shown itself: above 3 the reading appends a note
// to the personality text, which the date index then reads.
#include <array>

#include "tengod/ChartView.h"
#include "tengod/Indices.h"

namespace tesserin {
namespace {

// Water in the pillars, in tenths: where a character stands decides its weight; the day stem
// does not count.
int WaterTenths(const ChartView& v) {
  int tenths = 0;
  if (v.YearStemIs(壬) || v.YearStemIs(癸)) tenths += 8;
  if (v.MonthStemIs(壬) || v.MonthStemIs(癸)) tenths += 10;
  if (v.YearBranchIs(亥) || v.YearBranchIs(子)) tenths += 10;
  if (v.YearBranchIs(丑)) tenths += 6;
  if (v.MonthBranchIs(亥) || v.MonthBranchIs(子) || v.MonthBranchIs(丑)) tenths += 12;
  if (v.DayBranchIs(亥) || v.DayBranchIs(子)) tenths += 10;
  if (v.DayBranchIs(丑)) tenths += 6;
  return tenths;
}

// Points in half points, by slot and name.
struct SlotPoints {
  Slot slot;
  GodName god;
  int halfPoints;
};
constexpr SlotPoints kSlotPoints[] = {
    {kMonthStem, 伤官, 20}, {kMonthBranch, 伤官, 20}, {kDayBranch, 伤官, 20},
    {kMonthStem, 劫财, 14}, {kMonthBranch, 劫财, 14}, {kDayBranch, 劫财, 16},
    {kMonthStem, 比肩, 12}, {kMonthBranch, 比肩, 12}, {kDayBranch, 比肩, 20},
    {kYearStem, 劫财, 8},   {kYearBranch, 劫财, 6},   {kYearStem, 比肩, 8},
    {kYearBranch, 比肩, 6}, {kMonthStem, 食神, 8},    {kMonthBranch, 食神, 8},
    {kDayBranch, 食神, 8},  {kYearStem, 食神, 4},     {kYearBranch, 食神, 4},
    {kYearStem, 伤官, 10},  {kYearBranch, 伤官, 10},
};
// A slot whose second character is 印 (正印, 偏印).
struct SealPoints {
  Slot slot;
  int halfPoints;
};
constexpr SealPoints kSealPoints[] = {
    {kMonthStem, 4}, {kMonthBranch, 4}, {kDayBranch, 4}, {kYearStem, 3}, {kYearBranch, 3},
};

struct DayPillarPoints {
  StemName stem;
  BranchName branch;
  int halfPoints;
};
constexpr DayPillarPoints kDayPillarPoints[] = {
    {戊, 午, 8}, {己, 巳, 8}, {辛, 丑, 8}, {戊, 申, 8}, {庚, 戌, 8}, {壬, 辰, 8},
    {戊, 戌, 4}, {丙, 午, 4}, {癸, 亥, 4}, {乙, 未, 4}, {丁, 巳, 4}, {乙, 亥, 4},
    {辛, 巳, 4}, {己, 丑, 4}, {丙, 戌, 4},
};

// The slot and seal points by slot and name, and the day-pillar points by cycle entry, so that
// each scores with one look.
constexpr auto kPointsBySlot = [] {
  std::array<std::array<int, 10>, 5> points{};
  for (const SlotPoints& p : kSlotPoints) points[p.slot][p.god] += p.halfPoints;
  for (const SealPoints& p : kSealPoints) {
    points[p.slot][正印] += p.halfPoints;
    points[p.slot][偏印] += p.halfPoints;
  }
  return points;
}();
constexpr auto kPointsByDayPillar = [] {
  std::array<int, kCycleLength> points{};
  for (const DayPillarPoints& p : kDayPillarPoints) points[EntryOf(p.stem, p.branch)] += p.halfPoints;
  return points;
}();

// Lower bounds (in half points) of the grades 1 to 5.
constexpr int kGrades[] = {10, 18, 26, 34, 42};

}  // namespace

int MarriageScore(const Pillars& pillars, const GodChart& chart) { return MarriageScore(ChartView(pillars, chart)); }

int MarriageScore(const ChartView& v) {
  int officers = v.SlotsHolding(正官) + v.SlotsHolding(七杀);

  if (officers + v.SlotsHolding(正财) + v.SlotsHolding(偏财) >= 4) return 5;
  if (WaterTenths(v) >= 30 && (v.MonthBranchIs(子) || v.MonthBranchIs(丑) || v.DayBranchIs(亥))) return 5;

  int score = 0;
  for (Slot s : kSlots) score += kPointsBySlot[s][v.Chart()[s]];
  score += kPointsByDayPillar[v.DayEntry()];
  if (v.OfficerScore() == 1 && officers == 0) score += 16;
  score -= 6 * officers;
  if (CombinesWithPartner(v)) score += v.DayStemIs(丁) || v.DayStemIs(壬) ? 20 : 16;

  return GradeOf(score, kGrades);
}

}  // namespace tesserin
