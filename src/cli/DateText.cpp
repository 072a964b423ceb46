#include "cli/DateText.h"

#include <algorithm>

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
  constexpr std::string_view kBlanks = " \t";
  text.remove_prefix(std::min(text.find_first_not_of(kBlanks), text.size()));
  text.remove_suffix(text.size() - std::min(text.find_last_not_of(kBlanks) + 1, text.size()));
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

}  // namespace tesserin
