// reading/: the analysis run (this file), the reading value it returns (Reading.h), the index
// stages, the personality and kindness tables, and the reading's texts (ReadingText.h).
//
// The one entry to the reading logic: validate a date, derive its pillars and work out the
// reading. It returns what it found, a reading or a refusal, and shows nothing: the window, the
// copy, the record and the batch turn that value into text at their edges (ReadingText.h).
#pragma once

#include <string_view>
#include <variant>

#include "base/Gbk.h"
#include "reading/Reading.h"

namespace tesserin {

// The three date fields as typed: Edit4, Edit2, Edit3.
struct AnalysisInput {
  GbkString YearText;
  GbkString MonthText;
  GbkString DayText;
};

// Why a date got no reading: a notice for the user ("本程序只计算1950～2025年间的数据",
// "月或日数据超出正常范围"), or the conversion error of a field that is no whole number
// ("'%s' is not a valid integer value"), which the window shows in its standard error box.
struct Refusal {
  enum class Kind { YearOutOfRange, MonthOrDayOutOfRange, NotAWholeNumber };
  Kind kind;
  GbkString text;
  bool operator==(const Refusal&) const = default;
};

using AnalysisOutcome = std::variant<Reading, Refusal>;

// calendarMode "1" reads month and day as a lunar date; any other text as a solar date. Each
// field is read only when its check comes, so a bad year hides an empty month.
AnalysisOutcome AnalysisRun(std::string_view calendarMode, const AnalysisInput& input);

}  // namespace tesserin
