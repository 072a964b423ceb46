// The cycle and the two month tables: telling rows, and the invariants every row keeps.
#include <gtest/gtest.h>

#include <string>

#include "TestText.h"
#include "pillars/CycleTable.h"
#include "pillars/MonthTables.h"

namespace tesserin {
namespace {

TEST(CycleTable, HoldsTheSixtyPillarsInOrder) {
  struct Case {
    const char* pillar;
    int index;
  };
  const Case kCases[] = {{"甲子", 0}, {"乙丑", 1}, {"甲戌", 10}, {"壬寅", 38}, {"癸亥", 59},
                         {"甲丑", kNoIndex}, {"子甲", kNoIndex}, {"甲", kNoIndex}, {"", kNoIndex}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.pillar);
    EXPECT_EQ(c.index, CycleIndex(G(c.pillar)));
    if (c.index != kNoIndex) {
      EXPECT_EQ(c.pillar, U(CycleEntry(c.index)));
    }
  }
  for (int i = 0; i < kCycleLength; ++i) EXPECT_EQ(i, CycleIndex(CycleTable()[i])) << i;
}

struct RowCase {
  const char* what;
  const char* row;
};

void ExpectRows(const std::vector<MonthRow>& table, const RowCase* begin, const RowCase* end) {
  for (const RowCase* c = begin; c != end; ++c) {
    SCOPED_TRACE(c->what);
    int row = FindRow(table, G(c->row).substr(0, 6));
    ASSERT_NE(-1, row);
    EXPECT_EQ(c->row, U(table[row].text));
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

TEST(MonthTables, EveryAcceptedMonthIsFoundByKeyAndByNumber) {
  for (const auto* table : {&SolarMonthTable(), &LunarMonthTable()}) {
    for (int year = 1950; year <= 2025; ++year) {
      for (int month = 1; month <= 12; ++month) {
        char key[8];
        std::snprintf(key, sizeof key, "%04d%02d", year, month);
        int row = FindRow(*table, key);
        ASSERT_NE(-1, row) << key;
        EXPECT_EQ(row, RowOf(*table, year, month)) << key;
      }
    }
    EXPECT_EQ(912, FindRow(*table, "202601"));
    EXPECT_EQ(-1, FindRow(*table, "202602"));
    EXPECT_EQ(-1, FindRow(*table, "19500"));
    EXPECT_EQ(-1, RowOf(*table, 2026, 2));
    EXPECT_EQ(-1, RowOf(*table, 1949, 12));
  }
}

// Pillar index at 1-based byte position `at` of a row's text.
int PillarAt(const MonthRow& row, std::size_t at) { return CycleIndex(std::string_view(row.text).substr(at - 1, 4)); }

TEST(SolarMonthTable, EveryRowKeepsTheInvariants) {
  const auto& t = SolarMonthTable();
  // Term days by month, January first: the range each month's jie term falls in.
  const int kEarliest[] = {5, 3, 5, 4, 5, 5, 6, 7, 7, 8, 7, 6};
  const int kLatest[] = {6, 5, 6, 5, 6, 6, 8, 8, 8, 9, 8, 8};
  for (std::size_t k = 0; k < t.size(); ++k) {
    const MonthRow& r = t[k];
    SCOPED_TRACE(U(r.text));
    ASSERT_EQ(21u, r.text.size());
    EXPECT_EQ("01", r.text.substr(6, 2));
    EXPECT_NE(kNoIndex, PillarAt(r, 9));
    EXPECT_NE(kNoIndex, PillarAt(r, 13));
    EXPECT_NE(kNoIndex, PillarAt(r, 17));
    EXPECT_GE(r.termDay, kEarliest[r.month - 1]);
    EXPECT_LE(r.termDay, kLatest[r.month - 1]);
    if (k + 1 == t.size()) break;
    const MonthRow& next = t[k + 1];
    EXPECT_EQ(CycleStep(r.monthPillar, 1), next.monthPillar);
    EXPECT_EQ(CycleStep(r.yearPillar, r.month == 2 ? 1 : 0), next.yearPillar);
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
    SCOPED_TRACE(U(r.text));
    EXPECT_EQ(r.text.size(), r.termDay >= 10 ? 22u : 21u);
    EXPECT_EQ("01", r.text.substr(6, 2));
    EXPECT_NE(kNoIndex, PillarAt(r, 9));
    EXPECT_NE(kNoIndex, PillarAt(r, 13));
    EXPECT_NE(kNoIndex, PillarAt(r, 17));
    EXPECT_GE(r.termDay, 0);
    EXPECT_LE(r.termDay, 30);
    EXPECT_EQ(next.year * 12 + next.month, r.year * 12 + r.month + 1);
    EXPECT_TRUE(r.span == 29 || r.span == 30 || (r.span >= 58 && r.span <= 60)) << r.span;
    leapRows += r.span >= 58;
    EXPECT_EQ(CycleStep(r.firstDay, r.span), next.firstDay);
    // The month pillar moves once per jie term in the span; none when no term falls in it.
    int moves = (next.monthPillar - r.monthPillar + kCycleLength) % kCycleLength;
    EXPECT_LE(moves, 2);
    EXPECT_EQ(r.termDay == 0, moves == 0);
    // The year pillar moves only at 立春, which begins a 寅 month.
    int yearMoves = (next.yearPillar - r.yearPillar + kCycleLength) % kCycleLength;
    EXPECT_LE(yearMoves, 1);
    if (yearMoves == 1) {
      bool passedYin = false;
      for (int m = 1; m <= moves; ++m) passedYin |= CycleStep(r.monthPillar, m) % 12 == 2;
      EXPECT_TRUE(passedYin);
    }
  }
  EXPECT_EQ(28, leapRows);
}

}  // namespace
}  // namespace tesserin
