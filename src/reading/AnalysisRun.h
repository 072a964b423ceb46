// reading/: the analysis run (this file), the reading value it returns, the index stages, the
// personality and kindness tables, and the reading's texts (ReadingText.h).
//
// The one entry to the reading logic: validate a date, derive its pillars and work out the
// reading. It returns what it found, a reading or a refusal, and shows nothing: the window, the
// copy, the record and the batch turn that value into text at their edges (ReadingText.h).
#pragma once

#include <string_view>
#include <variant>

#include "base/Gbk.h"
#include "cycle/Pillars.h"
#include "calendar/DerivePillars.h"
#include "tengod/TenGod.h"

namespace tesserin {

// The three date fields as typed: Edit4, Edit2, Edit3.
struct AnalysisInput {
  GbkString YearText;
  GbkString MonthText;
  GbkString DayText;
};

// What a reading found. The personality text is the day pillar's row of the personality
// table, followed by the late-marriage note when lateMarriageNote is set.
struct Reading {
  Pillars pillars;
  GodChart chart;
  int libido = 0, date = 0, kindness = 0, money = 0;  // the four ratings, 0..5 stars
  int marriage = 0;                                   // the late-marriage grade
  bool lateMarriageNote = false;                      // the grade is above 3
  CalendarDate entered;      // the date as entered, read as numbers
  bool lunarAsked = false;   // asked for as a lunar date (calendar mode "1")
  DateRead read;             // the solar date the pillars belong to, and whether read as lunar

  int DayPillar() const { return pillars.Entry(kDayPillar); }
  bool operator==(const Reading&) const = default;
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
