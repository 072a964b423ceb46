#include "pillars/DerivePillars.h"

#include <stdexcept>

#include "pillars/MonthTables.h"

namespace tesserin {
namespace {

// The day pillar counts on from the first day's; the length of the month is not looked at, so
// 30 February is 2 March.
int DayPillar(const MonthRow& row, int day) { return CycleStep(row.firstDay, day - 1); }

Pillars SolarReading(int row, int day) {
  const auto& table = SolarMonthTable();
  // Past the month's jie term the next month's pillars hold; the table reaches January 2026,
  // so every December 2025 date has them.
  const MonthRow& pair = day > table[row].termDay ? table[row + 1] : table[row];
  return {pair.yearPillar, pair.monthPillar, DayPillar(table[row], day)};
}

// The one-jie carry. A day past its row's term day has passed exactly one jie term: the next
// one comes some 30 days later, after any day 30. So the month pillar moves one place on (and
// the year pillar with it when that term is 立春, which opens a 寅 month), rather than taking
// the next row's pillars: after a row that spans a leap month those stand two terms on.
Pillars LunarReading(const MonthRow& row, int day) {
  int year = row.yearPillar, month = row.monthPillar;
  if (row.termDay != 0 && day > row.termDay) {
    month = CycleStep(month, 1);
    if (BranchOf(month) == 寅) year = CycleStep(year, 1);
  }
  return {year, month, DayPillar(row, day)};
}

}  // namespace

Pillars DerivePillars(int year, int month, int day, std::string_view calendarMode) {
  if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1 || day > 31)
    throw std::out_of_range("date outside 1950-2025");
  int row = RowOf(SolarMonthTable(), year, month);  // the same row number in both tables
  if (calendarMode == "1" && day <= 30) {
    const MonthRow& lunar = LunarMonthTable()[row];
    // The solar fallback. A day past the row's span (day 30 of a 29-day month) names no lunar
    // date; it is read as the solar date of the same numbers, as a day 31 is. Day 1 of the
    // 60-day row of 1979 (a month and its leap month) lies within the span and stays lunar.
    if (day <= lunar.span) return LunarReading(lunar, day);
  }
  return SolarReading(row, day);
}

}  // namespace tesserin
