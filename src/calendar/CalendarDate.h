// A Gregorian date as numbers, and the day numbers that date arithmetic goes through.
#pragma once

namespace tesserin {

struct CalendarDate {
  int year = 0, month = 0, day = 0;
  bool operator==(const CalendarDate&) const = default;
};

// Day number of a Gregorian date (Julian Day Number).
constexpr long JulianDay(int year, int month, int day) {
  long a = (14 - month) / 12;
  long y = year + 4800L - a;
  long m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

// Inverse of JulianDay.
constexpr CalendarDate DateOfJulianDay(long julianDay) {
  long a = julianDay + 32044;
  long b = (4 * a + 3) / 146097;
  long c = a - 146097 * b / 4;
  long d = (4 * c + 3) / 1461;
  long e = c - 1461 * d / 4;
  long m = (5 * e + 2) / 153;
  return {static_cast<int>(100 * b + d - 4800 + m / 10), static_cast<int>(m + 3 - 12 * (m / 10)),
          static_cast<int>(e - (153 * m + 2) / 5 + 1)};
}

}  // namespace tesserin
