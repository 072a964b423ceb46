// The two month tables: one row per Gregorian month (SolarMonthTable) and one per regular lunar
// month (LunarMonthTable). A row holds the pillars in force on the month's first day and the day
// of its jie term, as numbers.
#pragma once

#include <array>

#include "cycle/CycleTable.h"
#include "calendar/CalendarDate.h"

namespace tesserin {

// A year pillar and a month pillar (CycleTable entries).
struct YearMonth {
  int year = 0, month = 0;
};

struct MonthRow {
  int year = 0, month = 0;
  // The pillars in force from the first day, and those after the term day (the row's own again
  // without a term): indexed by whether the day is past the term day.
  YearMonth inForce[2];
  int firstDay = 0;  // the day pillar of the first day
  int termDay = 0;   // the day (1 = the first) of the first jie term within the row, 0 for none
  int span = 0;      // days to the next row's first day; 0 for a lunar table's last row
  // The first day as a solar date: the row of its month in the solar table, and its day there.
  int solarRow = 0, solarDay = 0;
};

constexpr int kFirstYear = 1950;
constexpr int kLastYear = 2025;

// January 1950 to January 2026 in either table.
constexpr int kMonthRows = (kLastYear - kFirstYear + 1) * 12 + 1;
using MonthTable = std::array<MonthRow, kMonthRows>;

// One row a Gregorian month, January 1950 to January 2026. The January 2026 row gives December
// 2025 the pillars of the days after its jie term.
const MonthTable& SolarMonthTable();
// One row a lunar month, 1950-01 to 2026-01; a row that is followed by a leap month spans both.
const MonthTable& LunarMonthTable();

// The row of `year` and `month` in either table (row 0 is January 1950); -1 when out of range.
constexpr int RowOf(int year, int month) {
  if (month < 1 || month > 12 || year < kFirstYear) return -1;
  long row = (static_cast<long>(year) - kFirstYear) * 12 + (month - 1);
  return row < kMonthRows ? static_cast<int>(row) : -1;
}

// The solar date of a day of a row (day 1 is its first day), the days counted on past its span:
// from the first day through the solar months the row runs into, at most two (a row's day is at
// most its first day's 30th after it). The steps take 32 instructions (1.7 ns) against 123
// (10.9 ns) by day numbers, which cost a reading 13 % more instructions (BM_TunedPiece/solar_date,
// bench/count-instructions --pieces; bench/RESULTS.md).
inline CalendarDate SolarDateOf(const MonthRow& row, int day) {
  const MonthTable& solar = SolarMonthTable();
  int r = row.solarRow, d = row.solarDay + day - 1;
  while (d > solar[r].span) {
    d -= solar[r].span;
    if (++r == kMonthRows) return {kLastYear + 1, 2, d};  // past January 2026: lunar 2025's last days
  }
  return {solar[r].year, solar[r].month, d};
}
// The same by day numbers (JulianDay and back): the plain way, which the tests hold SolarDateOf
// equal to and the benchmarks time beside it.
inline CalendarDate SolarDateByDayNumbers(const MonthRow& row, int day) {
  const MonthRow& first = SolarMonthTable()[row.solarRow];
  return DateOfJulianDay(JulianDay(first.year, first.month, row.solarDay) + day - 1);
}

// The day pillar of a day number (JulianDay).
constexpr int DayPillarOf(long julianDay) { return static_cast<int>((julianDay + 49) % kCycleLength); }

}  // namespace tesserin
