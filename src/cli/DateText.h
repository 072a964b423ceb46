// Dates as one text: the forms people write them in, and the form the reader writes.
#pragma once

#include <array>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/CalendarDate.h"

namespace tesserin {

// YYYY-MM-DD or YYYY/M/D: a year of four digits, a month and a day of one or two, the same
// separator twice, blanks (spaces and TABs) before and after alike. The three texts as a reading
// takes them, or none for any other text.
std::optional<std::array<std::string_view, 3>> SplitDateText(std::string_view text);

// YYYY-MM-DD, as 10 bytes written in place, two digits at a time from a table: the batch writes
// a date on every line (batch_bench).
inline void WriteIsoDate(const CalendarDate& date, char* into) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  auto pair = [into](int at, unsigned below100) { std::memcpy(into + at, kPairs + 2 * below100, 2); };
  const auto year = static_cast<unsigned>(date.year);
  pair(0, year / 100);
  pair(2, year % 100);
  into[4] = '-';
  pair(5, static_cast<unsigned>(date.month));
  into[7] = '-';
  pair(8, static_cast<unsigned>(date.day));
}

// YYYY-MM-DD as text.
std::string IsoDateText(const CalendarDate& date);

}  // namespace tesserin
