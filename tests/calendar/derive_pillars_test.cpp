// Pillars of a date in both readings: worked dates, the mended lunar rows, and every lunar date
// against the solar reading of the day it names.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "TestText.h"
#include "calendar/DerivePillars.h"
#include "calendar/MonthTables.h"

namespace tesserin {
namespace {

std::string DateText(const CalendarDate& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
  return text;
}

struct Case {
  const char* what;
  CalendarMode mode;
  int year, month, day;
  const char* pillars;
};

TEST(DerivePillars, WorkedDates) {
  const Case kCases[] = {
      {"solar term day keeps the row's pair", CalendarMode::Solar, 1950, 1, 6, "己丑丙子辛丑"},
      {"solar day after the term day", CalendarMode::Solar, 1950, 1, 7, "己丑丁丑壬寅"},
      {"1 January before 立春", CalendarMode::Solar, 2000, 1, 1, "己卯丙子戊午"},
      {"lunar term day keeps the row's pair", CalendarMode::Lunar, 1950, 1, 18, "庚寅戊寅庚子"},
      {"lunar day after the term day", CalendarMode::Lunar, 1950, 1, 19, "庚寅己卯辛丑"},
      {"last day of a 29-day month", CalendarMode::Lunar, 1951, 2, 29, "辛卯辛卯乙亥"},
      {"day 30 of a 29-day month is read as solar", CalendarMode::Lunar, 1951, 2, 30, "辛卯庚寅辛丑"},
      {"30 February counts on from 1 February", CalendarMode::Solar, 1951, 2, 30, "辛卯庚寅辛丑"},
      {"lunar day 31 is read as solar", CalendarMode::Lunar, 1950, 1, 31, "己丑丁丑丙寅"},
      {"day 2 of the 60-day row", CalendarMode::Lunar, 1979, 6, 2, "己未庚午癸亥"},
      {"day 1 of the 60-day row is a real lunar date", CalendarMode::Lunar, 1979, 6, 1, "己未庚午壬戌"},
      {"a leap-month row passes one jie term by day 20", CalendarMode::Lunar, 1952, 5, 20, "壬辰丙午己丑"},
      {"term day 30 never moves the pair", CalendarMode::Lunar, 1961, 10, 30, "辛丑己亥甲戌"},
      {"December after its term day takes January's month", CalendarMode::Solar, 1988, 12, 10, "戊辰甲子己亥"},
      {"the day after 立春", CalendarMode::Solar, 1984, 2, 5, "甲子丙寅己巳"},
      {"the lunar reading of 1990-05-12", CalendarMode::Lunar, 1990, 5, 12, "庚午辛巳庚子"},
      {"the solar reading of 1990-05-12", CalendarMode::Solar, 1990, 5, 12, "庚午辛巳丁丑"},
      {"芒种 of 1968 on 5 June", CalendarMode::Solar, 1968, 6, 6, "戊申戊午丁未"},
      {"the last day before 大雪 of 2025", CalendarMode::Solar, 2025, 12, 7, "乙巳丁亥庚戌"},
      {"December 2025 after 大雪", CalendarMode::Solar, 2025, 12, 8, "乙巳戊子辛亥"},
      {"31 December 2025", CalendarMode::Solar, 2025, 12, 31, "乙巳戊子甲戌"},
      {"lunar 2025-12-30 falls back to the solar reading", CalendarMode::Lunar, 2025, 12, 30, "乙巳戊子癸酉"},
      {"立春 of 2026 on lunar 2025-12-17", CalendarMode::Lunar, 2025, 12, 17, "乙巳己丑己酉"},
      {"the new year pillar the day after", CalendarMode::Lunar, 2025, 12, 18, "丙午庚寅庚戌"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.pillars, U(DerivePillars(c.year, c.month, c.day, c.mode)));
  }
}

TEST(DerivePillars, ThirtyDayRowsWithJieTermsOnTheirFirstAndLastDay) {
  // The first day keeps the row's month pillar; days 2 to 30 are one pillar on, not two.
  const int kRows[][2] = {{1961, 12}, {1980, 11}, {1999, 10}, {2018, 11}};
  for (const auto& r : kRows) {
    SCOPED_TRACE(std::to_string(r[0]) + "-" + std::to_string(r[1]));
    const MonthRow& row = LunarMonthTable()[RowOf(r[0], r[1])];
    ASSERT_EQ(1, row.termDay);
    ASSERT_EQ(30, row.span);
    Pillars first = DerivePillars(r[0], r[1], 1, CalendarMode::Lunar);
    EXPECT_EQ(row.inForce[0].month, first.Entry(kMonthPillar));
    for (int day = 2; day <= 30; ++day) {
      Pillars pillars = DerivePillars(r[0], r[1], day, CalendarMode::Lunar);
      EXPECT_EQ(CycleStep(row.inForce[0].month, 1), pillars.Entry(kMonthPillar)) << day;
    }
  }
}

// A lunar date names a day; its pillars are those of that day's solar reading. The Gregorian
// day of each lunar row comes from the calendar library and the row spans alone.
TEST(DerivePillars, EveryLunarDateReadsThePillarsOfTheDayItNames) {
  using namespace std::chrono;
  sys_days start = year_month_day{year{1950}, month{2}, day{17}};
  const auto& lunar = LunarMonthTable();
  for (std::size_t k = 0; k + 1 < lunar.size() && lunar[k].year <= 2025; ++k) {
    const MonthRow& row = lunar[k];
    for (int d = 1; d <= 30; ++d) {
      year_month_day named{start + days{d - 1}};
      if (d > row.span || named.year() > year{2025}) break;  // day 30 of a 29-day month: no such day
      Pillars solar = DerivePillars(int(named.year()), unsigned(named.month()), unsigned(named.day()), CalendarMode::Solar);
      DateRead read;
      ASSERT_EQ(U(solar), U(DerivePillars(row.year, row.month, d, CalendarMode::Lunar, &read)))
          << "lunar " << row.year << "-" << row.month << "-" << d;
      ASSERT_EQ(DateText({int(named.year()), int(unsigned(named.month())), int(unsigned(named.day()))}),
                DateText(read.solar));
      ASSERT_TRUE(read.asLunar);
    }
    start += days{row.span};
  }
  // The rows' spans lead from lunar new year 1950 to that of 2026, 17 February 2026.
  EXPECT_EQ(sys_days{year{2026} / 2 / 17}, start);
}

// The solar date a reading's pillars belong to, against dates of the calendar: lunar new
// years, festivals, and the days the lunar reading does not cover.
TEST(DerivePillars, SaysWhichSolarDateWasRead) {
  struct DateCase {
    const char* what;
    CalendarMode mode;
    int year, month, day;
    const char* solar;
    bool asLunar;
  };
  const DateCase kCases[] = {
      {"lunar new year 1950", CalendarMode::Lunar, 1950, 1, 1, "1950-02-17", true},
      {"lunar new year 1984", CalendarMode::Lunar, 1984, 1, 1, "1984-02-02", true},
      {"lunar new year 1990", CalendarMode::Lunar, 1990, 1, 1, "1990-01-27", true},
      {"lunar new year 2000", CalendarMode::Lunar, 2000, 1, 1, "2000-02-05", true},
      {"lunar new year 2020", CalendarMode::Lunar, 2020, 1, 1, "2020-01-25", true},
      {"lunar new year 2025", CalendarMode::Lunar, 2025, 1, 1, "2025-01-29", true},
      {"the Dragon Boat Festival of 2020", CalendarMode::Lunar, 2020, 5, 5, "2020-06-25", true},
      {"the Mid-Autumn Festival of 2020, on National Day", CalendarMode::Lunar, 2020, 8, 15, "2020-10-01", true},
      {"lunar 1990-05-12", CalendarMode::Lunar, 1990, 5, 12, "1990-06-04", true},
      {"the eve of lunar new year 2026", CalendarMode::Lunar, 2025, 12, 29, "2026-02-16", true},
      {"day 30 of a 29-day month falls back to solar", CalendarMode::Lunar, 1951, 2, 30, "1951-03-02", false},
      {"lunar day 31 is read as solar", CalendarMode::Lunar, 1950, 1, 31, "1950-01-31", false},
      {"solar 1990-05-12", CalendarMode::Solar, 1990, 5, 12, "1990-05-12", false},
      {"solar 30 February counts on to 2 March", CalendarMode::Solar, 1990, 2, 30, "1990-03-02", false},
      {"solar 29 February of a leap year", CalendarMode::Solar, 2000, 2, 29, "2000-02-29", false},
      {"solar 31 April is 1 May", CalendarMode::Solar, 1990, 4, 31, "1990-05-01", false},
      {"solar 31 December 2025", CalendarMode::Solar, 2025, 12, 31, "2025-12-31", false},
  };
  for (const DateCase& c : kCases) {
    SCOPED_TRACE(c.what);
    DateRead read;
    Pillars pillars = DerivePillars(c.year, c.month, c.day, c.mode, &read);
    EXPECT_EQ(c.solar, DateText(read.solar));
    EXPECT_EQ(c.asLunar, read.asLunar);
    if (read.solar.year <= kLastYear) {  // the pillars are the solar reading's of that date
      EXPECT_EQ(U(pillars), U(DerivePillars(read.solar.year, read.solar.month, read.solar.day, CalendarMode::Solar)));
    }
  }
}

// Which dates name a day: a lunar day within its month, else the solar day of the same numbers
// within its month (checked against the calendar of std::chrono where the reading is solar).
TEST(IsADay, ADayPastItsMonthsEndIsNone) {
  struct DayCase {
    const char* what;
    CalendarMode mode;
    int year, month, day;
    bool isADay;
  };
  const DayCase kCases[] = {
      {"solar 28 February", CalendarMode::Solar, 1990, 2, 28, true},
      {"solar 29 February of a common year", CalendarMode::Solar, 1990, 2, 29, false},
      {"solar 29 February of 2000", CalendarMode::Solar, 2000, 2, 29, true},
      {"solar 30 February", CalendarMode::Solar, 2000, 2, 30, false},
      {"solar 31 April", CalendarMode::Solar, 1990, 4, 31, false},
      {"solar 31 May", CalendarMode::Solar, 1990, 5, 31, true},
      {"solar 31 December 2025", CalendarMode::Solar, 2025, 12, 31, true},
      {"lunar day 30 of a 30-day month", CalendarMode::Lunar, 1990, 2, 30, true},
      {"lunar day 30 of a 29-day month, 30 February", CalendarMode::Lunar, 1951, 2, 30, false},
      {"lunar day 30 of a 29-day month, 30 May", CalendarMode::Lunar, 1951, 5, 30, true},
      {"lunar day 31, 31 February", CalendarMode::Lunar, 1990, 2, 31, false},
      {"lunar day 31, 31 January", CalendarMode::Lunar, 1990, 1, 31, true},
      {"day 1 of the 60-day row", CalendarMode::Lunar, 1979, 6, 1, true},
  };
  for (const DayCase& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.isADay, IsADay(c.year, c.month, c.day, c.mode));
  }
  using namespace std::chrono;
  for (int y = kFirstYear; y <= kLastYear; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= 31; ++d)
        ASSERT_EQ(year_month_day(year{y}, month(unsigned(m)), day(unsigned(d))).ok(), IsADay(y, m, d, CalendarMode::Solar))
            << y << "-" << m << "-" << d;
  EXPECT_THROW(IsADay(1990, 2, 32, CalendarMode::Solar), std::out_of_range);
}

TEST(DerivePillars, RefusesDatesOutsideTheTables) {
  const int kDates[][3] = {{1949, 12, 1}, {2026, 1, 1}, {1990, 0, 1}, {1990, 13, 1}, {1990, 1, 0}, {1990, 1, 32}};
  for (const auto& d : kDates) EXPECT_THROW(DerivePillars(d[0], d[1], d[2], CalendarMode::Lunar), std::out_of_range);
}

}  // namespace
}  // namespace tesserin
