#include "cli/DateText.h"

#include <cstring>

namespace tesserin {
namespace {

// The digits at the start of `text`, between `fewest` and `most` of them, and what follows.
std::optional<std::string_view> Digits(std::string_view& text, std::size_t fewest, std::size_t most) {
  std::size_t n = 0;
  while (n < text.size() && n <= most && text[n] >= '0' && text[n] <= '9') ++n;
  if (n < fewest || n > most) return std::nullopt;
  std::string_view digits = text.substr(0, n);
  text.remove_prefix(n);
  return digits;
}

}  // namespace

std::optional<std::array<std::string_view, 3>> SplitDateText(std::string_view text) {
  const auto year = Digits(text, 4, 4);
  if (!year || text.empty() || (text[0] != '-' && text[0] != '/')) return std::nullopt;
  const char separator = text[0];
  text.remove_prefix(1);
  const auto month = Digits(text, 1, 2);
  if (!month || text.empty() || text[0] != separator) return std::nullopt;
  text.remove_prefix(1);
  const auto day = Digits(text, 1, 2);
  if (!day || !text.empty()) return std::nullopt;
  return std::array{*year, *month, *day};
}

void WriteIsoDate(const CalendarDate& date, char* into) {
  // Two digits at a time from a table: the batch writes a date on every line (batch_bench).
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

std::string IsoDateText(const CalendarDate& date) {
  std::string text(10, '\0');
  WriteIsoDate(date, text.data());
  return text;
}

}  // namespace tesserin
