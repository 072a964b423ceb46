// Builds both month tables from the calendar rules and two tables of values: the day of each
// month's jie term and the span of each lunar row, at compile time: nothing is computed by
// astronomy, and nothing at all when the program starts.
#include "calendar/MonthTables.h"

namespace tesserin {
namespace {

constexpr int kYears = kLastYear - kFirstYear + 1;

constexpr int kSolarTermDays[kYears][12] =
#include "SolarTermDays.inc"
    ;

constexpr int kLunarSpans[kYears][12] =
#include "LunarSpans.inc"
    ;

// January 2026: its jie term, 小寒, falls on the 5th.
constexpr int kTermDayJanuary2026 = 5;

// The lunar rows after 202510 need jie terms of 2026; they are given as they stand. The spans
// come from the span table like every other row's.
struct GivenRow {
  int year, month;
  int yearPillar, monthPillar, firstDay, termDay;
};
constexpr GivenRow kLastLunarRows[] = {
    {2025, 11, EntryOf(乙, 巳), EntryOf(戊, 子), EntryOf(癸, 亥), 17},
    {2025, 12, EntryOf(乙, 巳), EntryOf(己, 丑), EntryOf(癸, 巳), 17},
    {2026, 1, EntryOf(丙, 午), EntryOf(庚, 寅), EntryOf(壬, 戌), 17},
};

// Lunar year 1950 begins on 17 February 1950.
constexpr int kFirstLunarYear = 1950, kFirstLunarMonth = 2, kFirstLunarDay = 17;

constexpr int DaysInMonth(int year, int month) {
  return static_cast<int>(JulianDay(month == 12 ? year + 1 : year, month % 12 + 1, 1) - JulianDay(year, month, 1));
}

constexpr int SolarTermDay(int year, int month) {
  return year > kLastYear ? kTermDayJanuary2026 : kSolarTermDays[year - kFirstYear][month - 1];
}

constexpr MonthTable BuildSolarTable() {
  MonthTable rows;
  int k = 0;
  for (int year = kFirstYear; year <= kLastYear + 1; ++year) {
    for (int month = 1; month <= 12 && (year <= kLastYear || month == 1); ++month) {
      // Before 立春 (January, February) the year pillar is still the previous year's; the
      // month pillar advances once a month.
      int yearPillar = CycleStep(0, (month <= 2 ? year - 5 : year - 4));
      int monthPillar = CycleStep(0, 12 * year + month + 11);
      int firstDay = DayPillarOf(JulianDay(year, month, 1));
      rows[k] = {year, month, {{yearPillar, monthPillar}, {}}, firstDay, SolarTermDay(year, month), DaysInMonth(year, month),
                 k, 1};
      ++k;
    }
  }
  // Past the month's jie term the next month's pillars hold. (The last row, January 2026, is
  // there for the days of December 2025 after their term; its own are never read.)
  for (int r = 0; r < kMonthRows; ++r) {
    const MonthRow& next = rows[r + 1 < kMonthRows ? r + 1 : r];
    rows[r].inForce[1] = next.inForce[0];
  }
  return rows;
}

// The one-jie carry. A lunar day past its row's term day has passed exactly one jie term: the
// next one comes some 30 days later, after any day 30. So its month pillar is one place on (and
// its year pillar too when that term is 立春, which opens a 寅 month), and not the next row's:
// after a row that spans a leap month, the next row's pillars stand two terms on. A term day of
// 30 is never passed; a row without a term keeps its own pillars.
constexpr void CarryOneJie(MonthRow& row) {
  const YearMonth& own = row.inForce[0];
  YearMonth& after = row.inForce[1];
  after = own;
  if (row.termDay == 0) return;
  after.month = CycleStep(own.month, 1);
  if (BranchOf(after.month) == 寅) after.year = CycleStep(own.year, 1);
}

// A day as a row of the solar table and a day of that row's month. Past the table's last month,
// January 2026, the day is counted on from that month's first: 17 February 2026 is its 48th.
struct SolarPlace {
  int row, day;
};
constexpr SolarPlace SolarPlaceOf(const MonthTable& solar, long julianDay) {
  CalendarDate d = DateOfJulianDay(julianDay);
  int row = RowOf(d.year, d.month);
  if (row >= 0) return {row, d.day};
  const MonthRow& last = solar[kMonthRows - 1];
  return {kMonthRows - 1, static_cast<int>(julianDay - JulianDay(last.year, last.month, 1)) + 1};
}

constexpr MonthTable BuildLunarTable(const MonthTable& solar) {
  MonthTable rows;
  long start = JulianDay(kFirstLunarYear, kFirstLunarMonth, kFirstLunarDay);
  constexpr int kComputedRows = kYears * 12 - 2;
  for (int k = 0; k < kComputedRows; ++k) {
    int span = kLunarSpans[k / 12][k % 12];
    CalendarDate d = DateOfJulianDay(start);
    int solarRow = RowOf(d.year, d.month);
    // A jie term on the first day itself is not yet counted.
    const MonthRow& solarMonth = d.day <= solar[solarRow].termDay ? solar[solarRow] : solar[solarRow + 1];
    // The first jie date on or after the first day, within the span.
    int termDay = 0;
    for (int r = solarRow; r <= solarRow + 2 && r < kMonthRows; ++r) {
      long jie = JulianDay(solar[r].year, solar[r].month, solar[r].termDay);
      if (jie >= start) {
        if (jie < start + span) termDay = static_cast<int>(jie - start) + 1;
        break;
      }
    }
    rows[k] = {kFirstYear + k / 12, k % 12 + 1, {solarMonth.inForce[0], {}}, DayPillarOf(start),
               termDay, span, solarRow, d.day};
    start += span;
  }
  int k = kComputedRows;
  for (const GivenRow& given : kLastLunarRows) {
    int span = k < kYears * 12 ? kLunarSpans[k / 12][k % 12] : 0;
    const SolarPlace first = SolarPlaceOf(solar, start);
    rows[k++] = {given.year, given.month, {{given.yearPillar, given.monthPillar}, {}}, given.firstDay, given.termDay,
                 span, first.row, first.day};
    start += span;
  }
  for (MonthRow& row : rows) CarryOneJie(row);
  return rows;
}

constexpr MonthTable kSolarMonthTable = BuildSolarTable();
constexpr MonthTable kLunarMonthTable = BuildLunarTable(kSolarMonthTable);

}  // namespace

const MonthTable& SolarMonthTable() { return kSolarMonthTable; }
const MonthTable& LunarMonthTable() { return kLunarMonthTable; }

}  // namespace tesserin
