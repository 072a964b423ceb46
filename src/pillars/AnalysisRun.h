// The one entry to the reading logic: validate a date, derive its pillars, and fill the six
// result fields. Platform-free: the main window binds AnalysisInput to Edit4, Edit2, Edit3 and
// AnalysisDisplay to Label4, Memo1, Label11, Label12, Label14, Label16.
#pragma once

#include <functional>
#include <string_view>

#include "base/Gbk.h"
#include "base/WholeNumber.h"  // ConversionError, which ends a run
#include "cycle/Pillars.h"
#include "pillars/CalendarDate.h"
#include "tengod/TenGod.h"

namespace tesserin {

struct AnalysisInput {
  GbkString YearText;   // Edit4
  GbkString MonthText;  // Edit2
  GbkString DayText;    // Edit3
};

struct AnalysisDisplay {
  GbkString PillarLine;       // Label4, "八字：" before the first run
  GbkString PersonalityText;  // Memo1
  GbkString LibidoStars;      // Label11, " " before the first run
  GbkString DateStars;        // Label12
  GbkString KindnessStars;    // Label14
  GbkString MoneyStars;       // Label16

  // The contents of the six fields when the window opens.
  static AnalysisDisplay Initial();
  bool operator==(const AnalysisDisplay&) const = default;
};

// ShowMessage: shows a notice and returns when the user has closed it. The window's message
// loop keeps running meanwhile, so a timer tick or a key press may call AnalysisRun again.
using Notice = std::function<void(const GbkString& text)>;

// Appended to the personality text when the marriage score is above 3.
constexpr const char* kLateMarriageNoteUtf8 = "，女晚婚或离婚";

// What a completed run computed, as numbers (for the batch reader, which makes its own texts).
// The personality text ends in the note exactly when marriage is above 3.
struct AnalysisDetail {
  bool completed = false;
  Pillars pillars;
  GodChart chart;
  int libido = 0, date = 0, kindness = 0, money = 0, marriage = 0;
  // The solar date the pillars belong to, and whether the date was read as a lunar one (a lunar
  // day past its month's end is read as a solar date).
  CalendarDate solarDate;
  bool readAsLunar = false;
};

// Set while a run is in progress. A run started meanwhile (from inside a notice box of the
// first one) returns at once and touches nothing.
extern bool AnalysisBusy;

// calendarMode "1" reads month and day as a lunar date; any other text as a solar date.
// Before validation PersonalityText is emptied; a validation failure calls showMessage and
// ends the run; a field that is not a whole number throws ConversionError. A run that reaches
// the end writes all six fields.
void AnalysisRun(std::string_view calendarMode, const AnalysisInput& input,
                 AnalysisDisplay& display, const Notice& showMessage,
                 AnalysisDetail* detail = nullptr);

}  // namespace tesserin
