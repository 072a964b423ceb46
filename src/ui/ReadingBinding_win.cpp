#include "ui/ReadingBinding_win.h"

#include <variant>

#include "base/BusyGuard.h"
#include "form/ErrorText.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"
#include "ui/ControlText_win.h"
#include "ui/CopyReading_win.h"
#include "ui/FormState_win.h"
#include "ui/MessageBoxes_win.h"
#include "ui/RecordPage_win.h"

namespace tesserin::ui {
namespace {

MainPage& FormPage() { return Form1State().page; }

void WriteDisplay(const AnalysisDisplay& display) {
  SetControlText(Ctl::PillarLine, display.PillarLine);
  SetControlText(Ctl::PersonalityMemo, display.PersonalityText);
  SetControlText(Ctl::LibidoStars, display.LibidoStars);
  SetControlText(Ctl::DatingStars, display.DateStars);
  SetControlText(Ctl::KindnessStars, display.KindnessStars);
  SetControlText(Ctl::MoneyStars, display.MoneyStars);
}

// What the page shows, into its controls: the result fields before the nickname, so that
// another program reading the window never finds a new nickname beside the last contact's
// reading. The window menu's copy command follows the reading.
void WritePage() {
  const MainPageTexts& texts = FormPage().Texts();
  WriteDisplay(texts.fields);
  SetControlText(Ctl::NicknameLabel, texts.nickname);
  SetControlText(Ctl::DayLabel, texts.dayLabel);
  ShowCopyCommandState(FormHandle());
}

ClockTime Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wHour, now.wMinute, now.wSecond};
}

// A refused date: no reading is shown from before the notice on, and nothing is written once
// the notice is closed (the watcher may have written meanwhile). A field that is no whole
// number is an error, in the standard error box.
void ShowRefusal(const Refusal& refusal) {
  FormPage().ShowRefusal();
  WritePage();
  if (refusal.kind == Refusal::Kind::NotAWholeNumber)
    ShowErrorBox(FormHandle(), RefusalText(refusal, kMaxQuotedCharacters));
  else
    ShowMessage(FormHandle(), RefusalText(refusal));
}

// The reading of a date, beside the nickname of the contact whose date the fields hold.
void ReadDate(const AnalysisInput& input) {
  bool& inProgress = Form1State().readingBusy;
  if (inProgress) return;
  BusyGuard busy(inProgress);
  try {
    const AnalysisOutcome outcome = AnalysisRun(input);
    if (const Reading* reading = std::get_if<Reading>(&outcome)) {
      FormPage().ShowReading(*reading);
      WritePage();
      AddRecordRow(*RowOfRun(outcome, Now(), FormPage().DateOwner(), ControlText(Ctl::AgeField)));
    } else {
      ShowRefusal(std::get<Refusal>(outcome));
    }
  } catch (...) {
    ReportCurrentException(FormHandle());
  }
}

}  // namespace

void RunAnalysis(const AnalysisInput& input, const std::optional<GbkString>& nickname) {
  if (!FormHandle()) return;
  // Whose date the fields hold, even when a reading in progress turns this one away: a later
  // Enter or click reads the same date.
  FormPage().DateFilledIn(nickname);
  ReadDate(input);
}

AnalysisInput InputOfFields(CalendarMode mode) {
  return InputOfTexts(ControlText(Ctl::YearField), ControlText(Ctl::MonthField), ControlText(Ctl::DayField), mode);
}

void ReadDateFields(CalendarMode mode) {
  if (!FormHandle()) return;
  ReadDate(InputOfFields(mode));
}

void ShowProfileFound(const GbkString& nickname) {
  FormPage().ProfileFound(nickname);
  WritePage();
}

void ShowUnreadableProfile(const GbkString& message, const GbkString& nickname) {
  FormPage().ShowUnreadable(nickname, message);
  WritePage();
  AddRecordRow(UnreadableRow(Now(), nickname, ControlText(Ctl::AgeField)));
}

void DateFieldChanged() { FormPage().DateFieldChanged(); }

bool ShowRecordedRow(const RecordRow& row) {
  if (!row.reading) return false;
  const CalendarDate& date = row.reading->entered;
  SetControlText(Ctl::AgeField, row.age);
  SetControlText(Ctl::YearField, std::to_string(date.year));
  SetControlText(Ctl::MonthField, std::to_string(date.month));
  SetControlText(Ctl::DayField, std::to_string(date.day));
  FormPage().DateFilledIn(row.nickname);
  FormPage().ShowReading(*row.reading);
  WritePage();
  return true;
}

}  // namespace tesserin::ui
