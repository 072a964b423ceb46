// What a reading is asked for: a date as three numbers and how to read it. Each caller makes it
// from what it has: the window from the texts of its date fields, the command-line reader from
// its arguments and lines, the watcher from the numbers it recognised.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/WholeNumber.h"
#include "calendar/DerivePillars.h"

namespace tesserin {

// The three fields of a date, in their order.
enum class DatePart { Year, Month, Day };

// A date field: its whole number, and the text it was given as (UTF-8), which a refusal
// quotes; a field given as a number has no text. The run looks at a field only when its check
// comes, so a text that is no number goes unnoticed behind a year out of range.
struct DateField {
  std::optional<int> number;
  std::string text;  // UTF-8, as given

  static DateField Number(int n) { return {n, {}}; }
  // A field's text (UTF-8) read as a whole number (ReadWholeNumber).
  static DateField OfText(std::string_view text) { return {ReadWholeNumber(text), std::string(text)}; }
  bool operator==(const DateField&) const = default;
};

struct AnalysisInput {
  DateField year, month, day;
  CalendarMode mode = CalendarMode::Lunar;
  bool operator==(const AnalysisInput&) const = default;
};

// The three field texts of a date (UTF-8) read as `mode` says.
inline AnalysisInput InputOfTexts(std::string_view year, std::string_view month, std::string_view day,
                                  CalendarMode mode) {
  return {DateField::OfText(year), DateField::OfText(month), DateField::OfText(day), mode};
}

}  // namespace tesserin
