#include "form/PastedDate.h"

namespace tesserin::ui {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";
// The separators of the forms with one: the same one twice.
constexpr std::string_view kSeparators = "-/.";
// 年, 月 and 日 in UTF-8.
constexpr std::string_view kYearSign = "\xE5\xB9\xB4", kMonthSign = "\xE6\x9C\x88", kDaySign = "\xE6\x97\xA5";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Takes `fewest` to `most` digits from the front of `text`.
std::optional<std::string_view> TakeDigits(std::string_view& text, std::size_t fewest, std::size_t most) {
  std::size_t n = 0;
  while (n < text.size() && IsDigit(text[n])) ++n;
  if (n < fewest || n > most) return std::nullopt;
  std::string_view digits = text.substr(0, n);
  text.remove_prefix(n);
  return digits;
}

bool Take(std::string_view& text, std::string_view sign) {
  if (text.substr(0, sign.size()) != sign) return false;
  text.remove_prefix(sign.size());
  return true;
}

std::string WithoutLeadingZeros(std::string_view digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return std::string(first == std::string_view::npos ? digits.substr(digits.size() - 1) : digits.substr(first));
}

std::array<std::string, 3> Fields(std::string_view year, std::string_view month, std::string_view day) {
  return {std::string(year), WithoutLeadingZeros(month), WithoutLeadingZeros(day)};
}

}  // namespace

std::optional<std::array<std::string, 3>> PastedDate(std::string_view utf8) {
  const std::size_t first = utf8.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return std::nullopt;
  std::string_view text = utf8.substr(first, utf8.find_last_not_of(kBlanks) + 1 - first);

  if (std::string_view all = text; TakeDigits(all, 8, 8) && all.empty())  // 19900512
    return Fields(text.substr(0, 4), text.substr(4, 2), text.substr(6, 2));

  const auto year = TakeDigits(text, 4, 4);
  if (!year || text.empty()) return std::nullopt;
  if (Take(text, kYearSign)) {  // 1990年5月12日, the last sign may be left out
    const auto month = TakeDigits(text, 1, 2);
    if (!month || !Take(text, kMonthSign)) return std::nullopt;
    const auto day = TakeDigits(text, 1, 2);
    if (!day) return std::nullopt;
    Take(text, kDaySign);
    if (!text.empty()) return std::nullopt;
    return Fields(*year, *month, *day);
  }
  const char separator = text.front();
  if (kSeparators.find(separator) == std::string_view::npos) return std::nullopt;
  text.remove_prefix(1);
  const auto month = TakeDigits(text, 1, 2);
  if (!month || text.empty() || text.front() != separator) return std::nullopt;
  text.remove_prefix(1);
  const auto day = TakeDigits(text, 1, 2);
  if (!day || !text.empty()) return std::nullopt;
  return Fields(*year, *month, *day);
}

}  // namespace tesserin::ui
