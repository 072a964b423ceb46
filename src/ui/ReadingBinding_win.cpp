// The texts of the form's controls for other code, and the binding of the reading and of what
// the main page shows (MainPage.h) to the form's controls and to the record.
#include "ui/ReadingBinding_win.h"

#include <optional>
#include <variant>

#include "base/BusyGuard.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"
#include "ui/CopyReading_win.h"
#include "form/ErrorText.h"
#include "ui/Placement_win.h"
#include "ui/MessageBoxes_win.h"
#include "ui/RecordPage_win.h"
#include "ui/WindowText_win.h"

namespace tesserin::ui {

bool AnalysisBusy = false;

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
  if (AnalysisBusy) return;
  // A notice box keeps the message loop running: a tick or a key press may ask for another
  // reading while the box is open, and must find this one still in progress.
  BusyGuard busy(AnalysisBusy);
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

GbkString ControlText(Ctl id) {
  HWND control = Control(id);
  return control ? GbkFromWide(WindowText(control)) : GbkString{};
}

bool SetControlText(Ctl id, std::string_view gbkText) {
  if (!ReplaceWindowText(Control(id), WideFromGbk(gbkText))) return false;
  // A label sizes itself to its text; the memo shows its scroll bar for a longer one.
  if (SpecOf(id).kind == Kind::Label || SpecOf(id).kind == Kind::Memo) PlaceControl(id);
  return true;
}

bool CheckBox1Checked() {
  HWND box = Control(Ctl::AutoCloseBox);
  return box && SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

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

void RunTypedAnalysis(CalendarMode mode) {
  if (!FormHandle()) return;
  EndProfileReRead();
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
  // Like a reading the user asks for, it ends a pending re-read, which would overwrite it.
  EndProfileReRead();
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

void Button1Click() { RunTypedAnalysis(CalendarMode::Solar); }

}  // namespace tesserin::ui
