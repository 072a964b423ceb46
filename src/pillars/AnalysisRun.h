// The one entry to the reading logic: validate a date, derive its pillars, and fill the six
// result fields. Platform-free: the main window binds AnalysisInput to Edit4, Edit2, Edit3 and
// AnalysisDisplay to Label4, Memo1, Label11, Label12, Label14, Label16.
#pragma once

#include <functional>
#include <stdexcept>
#include <string_view>

#include "base/Gbk.h"

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

// The integer conversion error "'%s' is not a valid integer value": ends the run that met it;
// the caller reports it. what() is the message in code page 936.
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(std::string_view text);
};

// Set while a run is in progress. A run started meanwhile (from inside a notice box of the
// first one) returns at once and touches nothing.
extern bool AnalysisBusy;

// calendarMode "1" reads month and day as a lunar date; any other text as a solar date.
// Before validation PersonalityText is emptied; a validation failure calls showMessage and
// ends the run; a field that is not a whole number throws ConversionError. A run that reaches
// the end writes all six fields.
void AnalysisRun(std::string_view calendarMode, const AnalysisInput& input,
                 AnalysisDisplay& display, const Notice& showMessage);

}  // namespace tesserin
