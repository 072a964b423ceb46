// The two month tables: one row per Gregorian month (SolarMonthTable) and one per regular lunar
// month (LunarMonthTable). A row holds the pillars in force on the month's first day and the day
// of its jie term, as numbers.
#pragma once

#include <vector>

namespace tesserin {

struct MonthRow {
  int year = 0, month = 0;
  int yearPillar = 0, monthPillar = 0, firstDay = 0;  // CycleTable indices
  int termDay = 0;  // the day (1 = the first) of the first jie term within the row, 0 for none
  int span = 0;     // days to the next row's first day; 0 for a lunar table's last row
};

constexpr int kFirstYear = 1950;
constexpr int kLastYear = 2025;

// 913 rows, January 1950 to January 2026. The January 2026 row gives December 2025 the pillars
// of the days after its jie term.
const std::vector<MonthRow>& SolarMonthTable();
// 913 rows, lunar 1950-01 to 2026-01; a row that is followed by a leap month spans both.
const std::vector<MonthRow>& LunarMonthTable();

// The row of `year` and `month` in either table (row 0 is January 1950); -1 when out of range.
int RowOf(const std::vector<MonthRow>& table, int year, int month);

// Day number of a Gregorian date (Julian Day Number), and its day pillar.
long JulianDay(int year, int month, int day);
int DayPillarOf(long julianDay);

}  // namespace tesserin
