#include "calendar/DerivePillars.h"

#include <stdexcept>

#include "calendar/MonthTables.h"

namespace tesserin {
namespace {

// The pillars of a day of a row: past the term day the year and month pillars in force after
// it. The day pillar counts on from the first day's without looking at the length of the
// month, so 30 February is 2 March (one reduction by 60 suffices: the first day's is at most
// 59 and the day at most 31).
Pillars InRow(const MonthRow& row, int day) {
  const YearMonth& pair = row.inForce[day > row.termDay ? 1 : 0];
  int dayPillar = row.firstDay + day - 1;
  if (dayPillar >= kCycleLength) dayPillar -= kCycleLength;
  return {pair.year, pair.month, dayPillar};
}

// Whether the day of a row is read as lunar. The solar fallback: a day past the row's span (day
// 30 of a 29-day month) names no lunar date; it is read as the solar date of the same numbers,
// as a day 31 is. Day 1 of the 60-day row of 1979 (a month and its leap month) lies within the
// span and stays lunar.
bool ReadAsLunar(int row, int day, CalendarMode mode) {
  return mode == CalendarMode::Lunar && day <= 30 && day <= LunarMonthTable()[row].span;
}

int CheckedRow(int year, int month, int day) {
  if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1 || day > 31)
    throw std::out_of_range("date outside 1950-2025");
  return RowOf(year, month);  // the same row number in both tables
}

}  // namespace

bool IsADay(int year, int month, int day, CalendarMode mode) {
  const int row = CheckedRow(year, month, day);
  return ReadAsLunar(row, day, mode) || day <= SolarMonthTable()[row].span;
}

Pillars DerivePillars(int year, int month, int day, CalendarMode mode, DateRead* read) {
  const int row = CheckedRow(year, month, day);
  if (ReadAsLunar(row, day, mode)) {
    const MonthRow& lunar = LunarMonthTable()[row];
    if (read) *read = {SolarDateOf(lunar, day), true};
    return InRow(lunar, day);
  }
  const MonthRow& solar = SolarMonthTable()[row];
  if (read) *read = {SolarDateOf(solar, day), false};
  return InRow(solar, day);
}

}  // namespace tesserin
