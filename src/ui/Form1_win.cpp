// The texts of the form's controls for other code, and the binding of the reading to the
// form's controls and to the record.
#include "ui/Form1_win.h"

#include <optional>
#include <variant>

#include "base/BusyGuard.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"
#include "ui/ErrorText.h"
#include "ui/FormPlacement_win.h"
#include "ui/MessageBoxes_win.h"
#include "ui/RecordPage_win.h"
#include "ui/WindowText_win.h"

namespace tesserin::ui {

bool AnalysisBusy = false;

namespace {

void WriteDisplay(const AnalysisDisplay& display) {
  SetControlText(Ctl::Label4, display.PillarLine);
  SetControlText(Ctl::Memo1, display.PersonalityText);
  SetControlText(Ctl::Label11, display.LibidoStars);
  SetControlText(Ctl::Label12, display.DateStars);
  SetControlText(Ctl::Label14, display.KindnessStars);
  SetControlText(Ctl::Label16, display.MoneyStars);
}

ClockTime Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wHour, now.wMinute, now.wSecond};
}

void ShowReading(const Reading& reading) {
  static AnalysisDisplay fields;  // keeps its memory from one reading to the next
  WriteFields(reading, fields);
  WriteDisplay(fields);
  Form1State().shownReading = reading;
}

// A refused date: the personality text goes before the notice, the rest of the last reading
// stays, and nothing is written once the notice is closed (the watcher may have written Memo1
// meanwhile). A field that is no whole number is an error, in the standard error box.
void ShowRefusal(const Refusal& refusal) {
  ShowInMemo1({});
  if (refusal.kind == Refusal::Kind::NotAWholeNumber)
    ShowErrorBox(FormHandle(), RefusalText(refusal, kMaxQuotedCharacters));
  else
    ShowMessage(FormHandle(), RefusalText(refusal));
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

const std::optional<Reading>& ShownReading() { return Form1State().shownReading; }

void ShowInMemo1(std::string_view gbkText) {
  Form1State().shownReading.reset();
  SetControlText(Ctl::Memo1, gbkText);
}

bool CheckBox1Checked() {
  HWND box = Control(Ctl::CheckBox1);
  return box && SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RunAnalysis(const AnalysisInput& input, const std::optional<GbkString>& nickname) {
  if (!FormHandle() || AnalysisBusy) return;
  // A notice box keeps the message loop running: a tick or a key press may ask for another
  // reading while the box is open, and must find this one still in progress.
  BusyGuard busy(AnalysisBusy);
  try {
    const AnalysisOutcome outcome = AnalysisRun(input);
    if (const Reading* reading = std::get_if<Reading>(&outcome)) {
      ShowReading(*reading);
      AddRecordRow(*RowOfRun(outcome, Now(), nickname, ControlText(Ctl::Edit1)));
    } else {
      ShowRefusal(std::get<Refusal>(outcome));
    }
  } catch (...) {
    ReportCurrentException(FormHandle());
  }
}

AnalysisInput InputOfFields(CalendarMode mode) {
  return InputOfTexts(ControlText(Ctl::Edit4), ControlText(Ctl::Edit2), ControlText(Ctl::Edit3), mode);
}

void RunTypedAnalysis(CalendarMode mode) {
  EndProfileReRead();
  RunAnalysis(InputOfFields(mode), std::nullopt);
}

void ShowUnreadableProfile(const GbkString& message, const GbkString& nickname) {
  ShowInMemo1(message);
  AddRecordRow(UnreadableRow(Now(), nickname, ControlText(Ctl::Edit1)));
}

bool ShowRecordedRow(const RecordRow& row) {
  if (!row.reading) return false;
  // Like a reading the user asks for, it ends a pending re-read, which would overwrite it.
  EndProfileReRead();
  const CalendarDate& date = row.reading->entered;
  SetControlText(Ctl::Edit1, row.age);
  SetControlText(Ctl::Edit4, std::to_string(date.year));
  SetControlText(Ctl::Edit2, std::to_string(date.month));
  SetControlText(Ctl::Edit3, std::to_string(date.day));
  SetControlText(Ctl::Label7, row.nickname ? *row.nickname : GbkFromWide(SpecOf(Ctl::Label7).text));
  ShowReading(*row.reading);
  return true;
}

void Button1Click() { RunTypedAnalysis(CalendarMode::Solar); }

}  // namespace tesserin::ui
