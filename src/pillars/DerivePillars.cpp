#include "pillars/DerivePillars.h"

#include <stdexcept>

#include "pillars/CycleTable.h"
#include "pillars/MonthTables.h"

namespace tesserin {
namespace {

constexpr int kBranchYin = 2;  // 寅: the month that begins at 立春, with the new year pillar

struct PillarIndices {
  int year, month, day;
};

Pillars Compose(PillarIndices p) {
  Pillars pillars;
  pillars.Append(CycleEntry(p.year));
  pillars.Append(CycleEntry(p.month));
  pillars.Append(CycleEntry(p.day));
  return pillars;
}

// The day pillar counts on from the first day's; the length of the month is not looked at, so
// 30 February is 2 March.
int DayPillar(const MonthRow& row, int day) { return CycleStep(row.firstDay, day - 1); }

PillarIndices SolarReading(int row, int day) {
  const auto& table = SolarMonthTable();
  // Past the month's jie term the next month's pillars hold; the table reaches January 2026,
  // so every December 2025 date has them.
  const MonthRow& pair = day > table[row].termDay ? table[row + 1] : table[row];
  return {pair.yearPillar, pair.monthPillar, DayPillar(table[row], day)};
}

PillarIndices LunarReading(const MonthRow& row, int day) {
  int year = row.yearPillar, month = row.monthPillar;
  // A lunar month holds at most one jie term before its thirtieth day: past the term day the
  // month pillar moves one place on, and the year pillar too when that term is 立春.
  if (row.termDay != 0 && day > row.termDay) {
    month = CycleStep(month, 1);
    if (month % 12 == kBranchYin) year = CycleStep(year, 1);
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
    // Day 30 of a 29-day month does not exist; it is read as a solar date.
    if (day <= lunar.span) return Compose(LunarReading(lunar, day));
  }
  return Compose(SolarReading(row, day));
}

}  // namespace tesserin
