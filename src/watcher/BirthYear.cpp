// Birth-year inference.
#include "watcher/BirthYear.h"

#include <charconv>

namespace tesserin {

int InferBirthYear(int age, int month, int day, LocalDate today) {
  bool birthdayToCome = today.month < month || (today.month == month && today.day < day);
  return today.year - age - (birthdayToCome ? 1 : 0);
}

std::optional<int> RecognisedNumber(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  int value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace tesserin
