#include "ui/ReadingBinding_win.h"

#include <variant>

#include "base/BusyGuard.h"
#include "base/Gbk.h"
#include "form/ErrorText.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"
#include "ui/ControlText_win.h"
#include "ui/CopyReading_win.h"
#include "ui/FormState_win.h"
#include "ui/MessageBoxes_win.h"
#include "ui/NicknameLabel_win.h"
#include "ui/RecordPage_win.h"

namespace tesserin::ui {
namespace {

MainPage& FormPage() { return Form1State().page; }

void WriteDisplay(const AnalysisDisplay& display) {
  SetControlText(Ctl::PillarLine, display.PillarLine);
  SetControlText(Ctl::PersonalityMemo, display.PersonalityText);
  SetControlText(Ctl::LibidoStars, display.LibidoStars);
  SetControlText(Ctl::DateStars, display.DateStars);
  SetControlText(Ctl::KindnessStars, display.KindnessStars);
  SetControlText(Ctl::MoneyStars, display.MoneyStars);
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
  if (refusal.kind == Refusal::Kind::NotAWholeNumber)
    ShowErrorBox(FormHandle(), Gbk(RefusalText(refusal, kMaxQuotedCharacters)));
  else
    ShowMessage(FormHandle(), Gbk(RefusalText(refusal)));
}

}  // namespace

void DrawMainPage() {
  if (!FormHandle()) return;
  const MainPageView& view = FormPage().View();
  WriteDisplay(view.result);
  // A field is written only where what it reads differs: a character that code page 936 lacks
  // stays as the user typed it, and the caret where it was.
  for (int i = 0; i < kFieldCount; ++i) {
    const Ctl field = ControlOf(static_cast<Field>(i));
    if (ControlText(field) != view.fields[i]) SetControlText(field, view.fields[i]);
  }
  ShowNickname(view.nickname);
  SetControlText(Ctl::DayLabel, view.dayLabel);
  ShowCopyCommandState(FormHandle());
}

bool EditField(Field field, std::string_view gbkText) {
  if (!FormPage().Edited(field, gbkText)) return false;
  DrawMainPage();
  return true;
}

void EditDate(std::string_view year, std::string_view month, std::string_view day) {
  FormPage().Edited(Field::Year, year);
  FormPage().Edited(Field::Month, month);
  FormPage().Edited(Field::Day, day);
  DrawMainPage();
}

void ReadDateFields(CalendarMode mode) {
  if (!FormHandle()) return;
  bool& inProgress = Form1State().readingBusy;
  if (inProgress) return;
  BusyGuard busy(inProgress);
  try {
    MainPage& page = FormPage();
    const AnalysisOutcome outcome = AnalysisRun(page.Input(mode));
    page.RunEnded(outcome);
    DrawMainPage();
    if (std::holds_alternative<Reading>(outcome))
      AddRecordRow(*RowOfRun(outcome, Now(), page.DateOwner(), page.Text(Field::Age)));
    else
      ShowRefusal(std::get<Refusal>(outcome));
  } catch (...) {
    ReportCurrentException(FormHandle());
  }
}

void ShowProfileFound(const GbkString& nickname) {
  FormPage().ProfileFound(nickname);
  DrawMainPage();
}

void FillProfileField(Field field, std::string_view gbkText) {
  FormPage().ProfileFilled(field, gbkText);
  DrawMainPage();
}

void ShowUnreadableProfile(const GbkString& message) {
  MainPage& page = FormPage();
  page.ProfileUnreadable(message);
  DrawMainPage();
  AddRecordRow(UnreadableRow(Now(), page.DateOwner().value_or(GbkString{}), page.Text(Field::Age)));
}

bool ShowRecordedRow(const RecordRow& row) {
  if (!FormPage().ShowRow(row)) return false;
  DrawMainPage();
  return true;
}

}  // namespace tesserin::ui
