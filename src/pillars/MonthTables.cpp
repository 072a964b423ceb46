// Builds both month tables from the calendar rules and two tables of values: the day of each
// month's jie term and the span of each lunar row. Nothing is computed by astronomy at run time.
#include "pillars/MonthTables.h"

#include "cycle/CycleTable.h"

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

struct Date {
  int year, month, day;
};

Date DateOf(long julianDay) {
  // Inverse of JulianDay for the Gregorian calendar.
  long a = julianDay + 32044;
  long b = (4 * a + 3) / 146097;
  long c = a - 146097 * b / 4;
  long d = (4 * c + 3) / 1461;
  long e = c - 1461 * d / 4;
  long m = (5 * e + 2) / 153;
  return {static_cast<int>(100 * b + d - 4800 + m / 10), static_cast<int>(m + 3 - 12 * (m / 10)),
          static_cast<int>(e - (153 * m + 2) / 5 + 1)};
}

int DaysInMonth(int year, int month) {
  return static_cast<int>(JulianDay(month == 12 ? year + 1 : year, month % 12 + 1, 1) - JulianDay(year, month, 1));
}

int SolarTermDay(int year, int month) {
  return year > kLastYear ? kTermDayJanuary2026 : kSolarTermDays[year - kFirstYear][month - 1];
}

std::vector<MonthRow> BuildSolarTable() {
  std::vector<MonthRow> rows;
  for (int year = kFirstYear; year <= kLastYear + 1; ++year) {
    for (int month = 1; month <= 12 && (year <= kLastYear || month == 1); ++month) {
      // Before 立春 (January, February) the year pillar is still the previous year's; the
      // month pillar advances once a month.
      int yearPillar = CycleStep(0, (month <= 2 ? year - 5 : year - 4));
      int monthPillar = CycleStep(0, 12 * year + month + 11);
      int firstDay = DayPillarOf(JulianDay(year, month, 1));
      rows.push_back({year, month, yearPillar, monthPillar, firstDay, SolarTermDay(year, month),
                      DaysInMonth(year, month)});
    }
  }
  return rows;
}

std::vector<MonthRow> BuildLunarTable(const std::vector<MonthRow>& solar) {
  std::vector<MonthRow> rows;
  long start = JulianDay(kFirstLunarYear, kFirstLunarMonth, kFirstLunarDay);
  constexpr int kComputedRows = kYears * 12 - 2;
  for (int k = 0; k < kComputedRows; ++k) {
    int span = kLunarSpans[k / 12][k % 12];
    Date d = DateOf(start);
    int solarRow = RowOf(solar, d.year, d.month);
    // A jie term on the first day itself is not yet counted.
    const MonthRow& inForce = d.day <= solar[solarRow].termDay ? solar[solarRow] : solar[solarRow + 1];
    // The first jie date on or after the first day, within the span.
    int termDay = 0;
    for (int r = solarRow; r <= solarRow + 2 && r < static_cast<int>(solar.size()); ++r) {
      long jie = JulianDay(solar[r].year, solar[r].month, solar[r].termDay);
      if (jie >= start) {
        if (jie < start + span) termDay = static_cast<int>(jie - start) + 1;
        break;
      }
    }
    rows.push_back({kFirstYear + k / 12, k % 12 + 1, inForce.yearPillar, inForce.monthPillar, DayPillarOf(start),
                    termDay, span});
    start += span;
  }
  for (const GivenRow& given : kLastLunarRows) {
    int k = static_cast<int>(rows.size());
    int span = k < kYears * 12 ? kLunarSpans[k / 12][k % 12] : 0;
    rows.push_back({given.year, given.month, given.yearPillar, given.monthPillar, given.firstDay, given.termDay, span});
  }
  return rows;
}

}  // namespace

long JulianDay(int year, int month, int day) {
  long a = (14 - month) / 12;
  long y = year + 4800L - a;
  long m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

int DayPillarOf(long julianDay) { return static_cast<int>((julianDay + 49) % kCycleLength); }

const std::vector<MonthRow>& SolarMonthTable() {
  static const std::vector<MonthRow> table = BuildSolarTable();
  return table;
}

const std::vector<MonthRow>& LunarMonthTable() {
  static const std::vector<MonthRow> table = BuildLunarTable(SolarMonthTable());
  return table;
}

int RowOf(const std::vector<MonthRow>& table, int year, int month) {
  if (month < 1 || month > 12 || year < kFirstYear) return -1;
  long row = (static_cast<long>(year) - kFirstYear) * 12 + (month - 1);
  return row < static_cast<long>(table.size()) ? static_cast<int>(row) : -1;
}

}  // namespace tesserin
