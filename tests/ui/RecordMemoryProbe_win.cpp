// The memory that the record of readings costs: opens the main form in this process with the
// page 记录 in front, reads 1,000 dates and draws their rows, then empties the record and its
// list. Prints the bytes in use on the heaps and the working set with the 1,000 rows and without
// them, everything else being the same. Asserts nothing.
//
//   record_memory_probe
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "ProbeKit_win.h"
#include "ui/ControlText_win.h"
#include "ui/FormState_win.h"
#include "ui/MainWindow_win.h"
#include "ui/Pages_win.h"
#include "ui/ReadingBinding_win.h"

namespace {

using namespace tesserin;
using namespace tesserin::ui;
using namespace tesserin::ui::probe;

// Dates of every year and month, read as solar dates, as Button1 reads them.
void ReadThousandDates() {
  for (int n = 0; n < 1000; ++n) {
    SetControlText(Ctl::YearField, std::to_string(1950 + n % 76));
    SetControlText(Ctl::MonthField, std::to_string(1 + n % 12));
    SetControlText(Ctl::DayField, std::to_string(1 + n % 28));
    ReadDateFields(CalendarMode::Solar);
    Pump();
  }
  UpdateWindow(Control(Ctl::RecordList));
  Pump();
}

}  // namespace

int main() {
  if (!CreateMainWindow(GetModuleHandleW(nullptr))) return 1;
  ShowMainWindow(SW_SHOWNORMAL);
  ShowPage(Page::Record);
  Pump();
  ReadThousandDates();
  const double fullHeap = HeapKb(), fullSet = WorkingSetKb();
  const int listed = ListView_GetItemCount(Control(Ctl::RecordList));
  Form1State().record = ReadingRecord{};
  ListView_SetItemCountEx(Control(Ctl::RecordList), 0, 0);
  Pump();
  const double emptyHeap = HeapKb(), emptySet = WorkingSetKb();
  std::printf("record of %d rows: heaps %8.0f KiB in use, working set %8.0f KiB\n", listed, fullHeap, fullSet);
  std::printf("record emptied:      heaps %8.0f KiB in use, working set %8.0f KiB\n", emptyHeap, emptySet);
  std::printf("the rows' cost:      heaps %+8.0f KiB\n", fullHeap - emptyHeap);
  DestroyWindow(FormHandle());
  return 0;
}
