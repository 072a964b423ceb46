// The cycle and the two month tables: telling rows, and the invariants every row keeps.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "TestText.h"
#include "cycle/CycleTable.h"
#include "calendar/MonthTables.h"

namespace tesserin {
namespace {

TEST(CycleTable, HoldsTheSixtyPillarsInOrder) {
  struct Case {
    const char* pillar;
    StemName stem;
    BranchName branch;
    int index;
  };
  const Case kCases[] = {{"甲子", 甲, 子, 0}, {"乙丑", 乙, 丑, 1}, {"甲戌", 甲, 戌, 10}, {"壬寅", 壬, 寅, 38},
                         {"癸亥", 癸, 亥, 59}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.pillar);
    EXPECT_EQ(c.index, EntryOf(c.stem, c.branch));
    EXPECT_EQ(c.pillar, U(CycleEntry(c.index)));
  }
  for (int i = 0; i < kCycleLength; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(i, EntryOf(StemOf(i), BranchOf(i)));
    EXPECT_EQ(GbkString(StemText(StemOf(i))) + GbkString(BranchText(BranchOf(i))), CycleEntry(i));
  }
  std::string stems, branches;
  for (int s = 0; s < 10; ++s) stems += U(StemText(static_cast<StemName>(s)));
  for (int b = 0; b < 12; ++b) branches += U(BranchText(static_cast<BranchName>(b)));
  EXPECT_EQ("甲乙丙丁戊己庚辛壬癸", stems);
  EXPECT_EQ("子丑寅卯辰巳午未申酉戌亥", branches);
}

// A row as the tables print it: "YYYYMM01", the three pillars, the term day.
std::string RowText(const MonthRow& row) {
  char key[16];
  std::snprintf(key, sizeof key, "%04d%02d01", row.year, row.month);
  return key + U(CycleEntry(row.inForce[0].year)) + U(CycleEntry(row.inForce[0].month)) + U(CycleEntry(row.firstDay)) +
         std::to_string(row.termDay);
}

struct RowCase {
  const char* what;
  const char* row;
};

void ExpectRows(const MonthTable& table, const RowCase* begin, const RowCase* end) {
  for (const RowCase* c = begin; c != end; ++c) {
    SCOPED_TRACE(c->what);
    std::string key(c->row, 6);
    int row = RowOf(std::stoi(key.substr(0, 4)), std::stoi(key.substr(4)));
    ASSERT_NE(-1, row);
    EXPECT_EQ(c->row, RowText(table[row]));
  }
}

TEST(SolarMonthTable, TellingRows) {
  const RowCase kRows[] = {
      {"first row: before 立春 the year pillar is 1949's", "19500101己丑丙子丙申6"},
      {"立春 on the 4th", "19500201己丑丁丑丁卯4"},
      {"the new year pillar from March", "19500301庚寅戊寅乙未6"},
      {"the earliest term day", "20250201甲辰丁丑辛丑3"},
      {"the latest term day", "19501001庚寅乙酉己巳9"},
      {"芒种 of 1968 on 5 June", "19680601戊申丁巳壬寅5"},
      {"December 2025", "20251201乙巳丁亥甲辰7"},
      {"January 2026 closes the table", "20260101乙巳戊子乙亥5"},
  };
  ExpectRows(SolarMonthTable(), std::begin(kRows), std::end(kRows));
  EXPECT_EQ(913u, SolarMonthTable().size());
}

TEST(LunarMonthTable, TellingRows) {
  const RowCase kRows[] = {
      {"first row: new year after 立春", "19500101庚寅戊寅癸未18"},
      {"new year before 立春", "19550101甲午丁丑乙酉12"},
      {"no jie term in the month", "19510301辛卯壬辰丙子0"},
      {"立夏 on the first day", "19510401辛卯壬辰丙午1"},
      {"a jie term on the thirtieth day", "19611001辛丑己亥乙巳30"},
      {"芒种 of 1968 on day 10", "19680501戊申丁巳丁酉10"},
      {"a row with a leap month", "19520501壬辰乙巳庚午14"},
      {"two month pillars on after it", "19520601壬辰丁未己巳17"},
      {"the 60-day row", "19790601己未庚午壬戌15"},
      {"after it the same first-day pillar", "19790701己未壬申壬戌17"},
      {"the last accepted month", "20251201乙巳己丑癸巳17"},
      {"the row after it", "20260101丙午庚寅壬戌17"},
  };
  ExpectRows(LunarMonthTable(), std::begin(kRows), std::end(kRows));
  EXPECT_EQ(913u, LunarMonthTable().size());
}

TEST(MonthTables, EveryAcceptedMonthHasItsOwnRow) {
  for (const auto* table : {&SolarMonthTable(), &LunarMonthTable()}) {
    for (int year = 1950; year <= 2025; ++year) {
      for (int month = 1; month <= 12; ++month) {
        int row = RowOf(year, month);
        ASSERT_NE(-1, row) << year << "-" << month;
        EXPECT_EQ(year, (*table)[row].year);
        EXPECT_EQ(month, (*table)[row].month);
      }
    }
    EXPECT_EQ(912, RowOf(2026, 1));
    EXPECT_EQ(-1, RowOf(2026, 2));
    EXPECT_EQ(-1, RowOf(1949, 12));
    EXPECT_EQ(-1, RowOf(1990, 0));
    EXPECT_EQ(-1, RowOf(1990, 13));
  }
}

TEST(SolarMonthTable, EveryRowKeepsTheInvariants) {
  const auto& t = SolarMonthTable();
  // Term days by month, January first: the range each month's jie term falls in.
  const int kEarliest[] = {5, 3, 5, 4, 5, 5, 6, 7, 7, 8, 7, 6};
  const int kLatest[] = {6, 5, 6, 5, 6, 6, 8, 8, 8, 9, 8, 8};
  for (std::size_t k = 0; k < t.size(); ++k) {
    const MonthRow& r = t[k];
    SCOPED_TRACE(RowText(r));
    for (int pillar : {r.inForce[0].year, r.inForce[0].month, r.firstDay}) {
      EXPECT_GE(pillar, 0);
      EXPECT_LT(pillar, kCycleLength);
    }
    EXPECT_EQ(static_cast<int>(k), r.solarRow);
    EXPECT_EQ(1, r.solarDay);
    EXPECT_GE(r.termDay, kEarliest[r.month - 1]);
    EXPECT_LE(r.termDay, kLatest[r.month - 1]);
    if (k + 1 == t.size()) break;
    const MonthRow& next = t[k + 1];
    EXPECT_EQ(CycleStep(r.inForce[0].month, 1), next.inForce[0].month);
    EXPECT_EQ(CycleStep(r.inForce[0].year, r.month == 2 ? 1 : 0), next.inForce[0].year);
    EXPECT_EQ(next.inForce[0].month, r.inForce[1].month);
    EXPECT_EQ(next.inForce[0].year, r.inForce[1].year);
    int days = next.month == 1 ? 31 : static_cast<int>(JulianDay(next.year, next.month, 1) - JulianDay(r.year, r.month, 1));
    EXPECT_EQ(CycleStep(r.firstDay, days), next.firstDay);
    EXPECT_EQ(next.year * 12 + next.month, r.year * 12 + r.month + 1);
  }
}

TEST(LunarMonthTable, EveryRowKeepsTheInvariants) {
  const auto& t = LunarMonthTable();
  int leapRows = 0;
  for (std::size_t k = 0; k + 1 < t.size(); ++k) {
    const MonthRow& r = t[k];
    const MonthRow& next = t[k + 1];
    SCOPED_TRACE(RowText(r));
    for (int pillar : {r.inForce[0].year, r.inForce[0].month, r.firstDay}) {
      EXPECT_GE(pillar, 0);
      EXPECT_LT(pillar, kCycleLength);
    }
    EXPECT_GE(r.termDay, 0);
    EXPECT_LE(r.termDay, 30);
    EXPECT_EQ(next.year * 12 + next.month, r.year * 12 + r.month + 1);
    EXPECT_TRUE(r.span == 29 || r.span == 30 || (r.span >= 58 && r.span <= 60)) << r.span;
    leapRows += r.span >= 58;
    EXPECT_EQ(CycleStep(r.firstDay, r.span), next.firstDay);
    // The first days as solar dates lie a span apart and agree with the day pillars, the last
    // (given) rows' too.
    auto firstDay = [](const MonthRow& row) {
      const MonthRow& month = SolarMonthTable()[row.solarRow];
      return JulianDay(month.year, month.month, row.solarDay);
    };
    EXPECT_EQ(firstDay(r) + r.span, firstDay(next));
    EXPECT_EQ(DayPillarOf(firstDay(next)), next.firstDay);
    // The month pillar moves once per jie term in the span; none when no term falls in it.
    int moves = (next.inForce[0].month - r.inForce[0].month + kCycleLength) % kCycleLength;
    EXPECT_LE(moves, 2);
    EXPECT_EQ(r.termDay == 0, moves == 0);
    // Past the term day the month pillar is one on, also in a row that passes two terms.
    EXPECT_EQ(r.termDay == 0 ? r.inForce[0].month : CycleStep(r.inForce[0].month, 1), r.inForce[1].month);
    EXPECT_EQ(moves == 1 ? next.inForce[0].year : r.inForce[1].year, r.inForce[1].year);
    // The year pillar moves only at 立春, which begins a 寅 month.
    int yearMoves = (next.inForce[0].year - r.inForce[0].year + kCycleLength) % kCycleLength;
    EXPECT_LE(yearMoves, 1);
    if (yearMoves == 1) {
      bool passedYin = false;
      for (int m = 1; m <= moves; ++m) passedYin |= CycleStep(r.inForce[0].month, m) % 12 == 2;
      EXPECT_TRUE(passedYin);
    }
  }
  EXPECT_EQ(28, leapRows);
}

// The solar date of each day that a reading reads in a row (a lunar row's days to its span and
// day 30, a solar row's to day 31), stepped through the solar rows, against day numbers.
TEST(MonthTables, SolarDatesByStepsAreThoseByDayNumbers) {
  for (int r = 0; r <= RowOf(kLastYear, 12); ++r) {
    const MonthRow& lunar = LunarMonthTable()[r];
    for (int day = 1; day <= 30 && day <= lunar.span; ++day)
      ASSERT_EQ(SolarDateByDayNumbers(lunar, day), SolarDateOf(lunar, day)) << "lunar row " << r << " day " << day;
    const MonthRow& solar = SolarMonthTable()[r];
    for (int day = 1; day <= 31; ++day)
      ASSERT_EQ(SolarDateByDayNumbers(solar, day), SolarDateOf(solar, day)) << "solar row " << r << " day " << day;
  }
}

}  // namespace
}  // namespace tesserin
