// The one entry to the reading logic: validate a date, derive its pillars and work out the
// reading. It returns what it found, a reading or a refusal, and shows nothing: the window, the
// copy, the record and the batch turn that value into text at their edges (ReadingText.h).
#pragma once

#include <string>
#include <variant>

#include "reading/AnalysisInput.h"
#include "reading/Reading.h"

namespace tesserin {

// Why a date got no reading: a year outside 1950..2025, a month or day out of range, a day its
// calendar does not have (1990-02-30), or a field that is no whole number. A refusal names the
// field it is about and keeps that field's text as it was given, in UTF-8; each edge says it
// in its own words and encoding. RefusalText (ReadingText.h) says it in the window's words,
// which give a day that does not exist the month-or-day notice; the command-line reader says
// more.
struct Refusal {
  enum class Kind { YearOutOfRange, MonthOrDayOutOfRange, NoSuchDay, NotAWholeNumber };
  Kind kind;
  DatePart field = DatePart::Year;  // NoSuchDay: the day
  std::string fieldText;            // UTF-8, as given; empty for a field given as a number
  CalendarDate date = {};           // NoSuchDay: the date as numbers
  bool lunarAsked = false;          // NoSuchDay: asked for as lunar, so neither calendar has the day
  bool operator==(const Refusal&) const = default;
};

using AnalysisOutcome = std::variant<Reading, Refusal>;

// Checks year, month and day in that order, each only when its check comes, so a bad year
// hides an empty month; then that the day is one its calendar has, where a lunar day past its
// month's end falls back to the solar day of the same numbers; then reads the date.
AnalysisOutcome AnalysisRun(const AnalysisInput& input);

}  // namespace tesserin
