// The memory that readings cost once the record of readings is full: opens the main form in
// this process, types 1,000 dates as a user does (the keys go through the form's message loop,
// Enter in the day field reads each as a lunar date), then 6,000 more, the record staying at its
// 1,000 rows. For comparison, it then sets the same six result texts into the fields 6,000 times
// from outside, as another program could, past the form's own code. Prints the bytes in use on
// the heaps and the working set every 1,000 readings; asserts nothing.
//
//   readings_memory_probe
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ProbeKit_win.h"
#include "base/Gbk.h"
#include "reading/ReadingText.h"
#include "ui/FormState_win.h"
#include "ui/MainWindow_win.h"
#include "ui/Pages_win.h"

namespace {

using namespace tesserin;
using namespace tesserin::ui;
using namespace tesserin::ui::probe;

// A key pressed in the control that has the focus, as the keyboard gives it.
void Press(UINT vk) {
  HWND target = GetFocus();
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(target, WM_KEYDOWN, vk, 1 | scan);
  PostMessageW(target, WM_KEYUP, vk, 1 | scan | (LPARAM{1} << 30) | (LPARAM{1} << 31));
  Pump();
}

void Type(const std::string& digits) {
  for (char c : digits) Press(static_cast<UINT>(c));
}

// The n-th date: every year, month and a day up to 28, which every lunar month has. Its
// personality text is short or long by the day pillar, so the memo's scroll bar comes and goes.
struct Date {
  int year, month, day;
};
Date NthDate(int n) { return {1950 + n % 76, 1 + n % 12, 1 + (n * 7) % 28}; }

// Typed into the emptied date fields: the fourth digit of the year moves the focus on, a month
// of one digit too, unless it waits for a second one, when Enter moves on; Enter in the day
// field reads. (The fields are emptied first, as a user deletes the last date: typed over, a
// month field that is not empty moves the focus on after the first digit.)
void TypeReading(int n) {
  const Date d = NthDate(n);
  for (Ctl field : {Ctl::YearField, Ctl::MonthField, Ctl::DayField}) SetWindowTextW(Control(field), L"");
  SendMessageW(FormHandle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(Ctl::YearField)), TRUE);
  Type(std::to_string(d.year));
  Type(std::to_string(d.month));
  if (GetFocus() == Control(Ctl::MonthField)) Press(VK_RETURN);
  Type(std::to_string(d.day));
  Press(VK_RETURN);
}

// The six result texts of the n-th date, set into the fields as another program could.
void SetTextsFromOutside(int n) {
  const Date d = NthDate(n);
  const AnalysisOutcome outcome = AnalysisRun(
      {DateField::Number(d.year), DateField::Number(d.month), DateField::Number(d.day), CalendarMode::Lunar});
  const Reading* reading = std::get_if<Reading>(&outcome);
  if (!reading) return;
  const AnalysisDisplay fields = FieldsOf(*reading);
  const std::pair<Ctl, const GbkString*> texts[] = {
      {Ctl::PillarLine, &fields.PillarLine},     {Ctl::PersonalityMemo, &fields.PersonalityText},
      {Ctl::LibidoStars, &fields.LibidoStars},   {Ctl::DateStars, &fields.DateStars},
      {Ctl::KindnessStars, &fields.KindnessStars}, {Ctl::MoneyStars, &fields.MoneyStars}};
  for (const auto& [id, text] : texts) SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(WideFromGbk(*text).c_str()));
  Pump();
}

template <class Each>
void SixThousand(const char* what, int first, Each each) {
  const double heap = HeapKb(), set = WorkingSetKb();
  std::printf("%s\n  at the start:  heaps %8.0f KiB in use, working set %8.0f KiB\n", what, heap, set);
  for (int thousand = 1; thousand <= 6; ++thousand) {
    for (int n = 0; n < 1000; ++n) each(first + 1000 * thousand + n);
    std::printf("  after %d,000:   heaps %+8.0f KiB,        working set %+8.0f KiB\n", thousand, HeapKb() - heap,
                WorkingSetKb() - set);
  }
}

}  // namespace

int main() {
  if (!CreateMainWindow(GetModuleHandleW(nullptr))) return 1;
  ShowMainWindow(SW_SHOWNORMAL);
  Pump();
  for (int n = 0; n < 1000; ++n) TypeReading(n);
  std::printf("the record holds %zu rows\n", Form1State().record.Size());
  SixThousand("6,000 typed readings more", 0, TypeReading);
  std::printf("the record holds %zu rows\n", Form1State().record.Size());
  SixThousand("6,000 times the same texts set from outside", 0, SetTextsFromOutside);
  DestroyWindow(FormHandle());
  return 0;
}
