// The two month tables: one row per Gregorian month (SolarMonthTable) and one per regular lunar
// month (LunarMonthTable). A row's text is "YYYYMM01", the year pillar, the month pillar and the
// day pillar in force on the month's first day, then the term day in decimal.
#pragma once

#include <string_view>
#include <vector>

#include "base/Gbk.h"

namespace tesserin {

struct MonthRow {
  GbkString text;
  // The fields of the text, read once when the tables are built.
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

// The first row, scanning from row 0, whose bytes 1-6 equal `key`; -1 when there is none.
int FindRow(const std::vector<MonthRow>& table, std::string_view key);

// The row of `year` and `month` in either table, computed from the key; -1 when out of range.
int RowOf(const std::vector<MonthRow>& table, int year, int month);

// Day number of a Gregorian date (Julian Day Number), and its day pillar.
long JulianDay(int year, int month, int day);
int DayPillarOf(long julianDay);

}  // namespace tesserin
