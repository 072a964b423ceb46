// The time one row costs the page 记录 when the record is full (1,000 rows): the main form in
// this process, 1,000 readings, then 300 rows more in each of several states of the page, each
// row timed alone. Prints the median, the 90th percentile and the largest time a row; asserts
// nothing.
//
// "add" is the row put on the record and its list. "until idle" also takes what the thread
// does for it before it waits again: the list drawn anew where it changed, and (under Wine) the
// window's pixels handed to the display, which happens in the message loop.
//
//   record_add_probe
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "ProbeKit_win.h"
#include "ui/FormState_win.h"
#include "ui/MainWindow_win.h"
#include "ui/Pages_win.h"
#include "ui/RecordPage_win.h"

namespace {

using namespace tesserin;
using namespace tesserin::ui;
using namespace tesserin::ui::probe;

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND List() { return Control(Ctl::RecordList); }

// A reading's row as the record keeps it.
RecordRow SomeRow(int n) {
  const AnalysisOutcome outcome = AnalysisRun({DateField::Number(1950 + n % 76), DateField::Number(1 + n % 12),
                                               DateField::Number(1 + n % 28), CalendarMode::Solar});
  return *RowOfRun(outcome, {12, 34, 56}, std::nullopt, "");
}

void Report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  double sum = 0;
  for (double m : ms) sum += m;
  std::printf("    %-11s median %6.3f  mean %6.3f  p90 %6.3f  max %6.3f ms\n", what, ms[ms.size() / 2],
              sum / static_cast<double>(ms.size()), ms[ms.size() * 9 / 10], ms.back());
}

// 300 rows in one state of the page, each timed alone.
void Measure(const char* state, const std::function<void()>& setUp = [] {}) {
  setUp();
  Pump();
  UpdateWindow(List());
  Pump();
  std::vector<double> add, untilIdle;
  for (int n = 0; n < 300; ++n) {
    RecordRow row = SomeRow(n);
    const double start = NowMs();
    AddRecordRow(std::move(row));
    const double added = NowMs();
    UpdateWindow(List());
    Pump();
    untilIdle.push_back(NowMs() - start);
    add.push_back(added - start);
  }
  std::printf("  %s\n", state);
  Report("add", add);
  Report("until idle", untilIdle);
}

void ScrollRows(int rows) {
  RECT r{};
  ListView_GetItemRect(List(), 0, &r, LVIR_BOUNDS);
  ListView_Scroll(List(), 0, rows * (r.bottom - r.top));
}

}  // namespace

int main() {
  if (!CreateMainWindow(GetModuleHandleW(nullptr))) return 1;
  ShowMainWindow(SW_SHOWNORMAL);
  Pump();
  for (int n = 0; n < 1000; ++n) AddRecordRow(SomeRow(n));
  Pump();
  std::printf("a row added to a full record of %d rows:\n", ListView_GetItemCount(List()));
  Measure("main page in front");
  Measure("page 记录 in front, at the top, none selected", [] {
    ShowPage(Page::Record);
    SetFocus(List());
  });
  Measure("page 记录 in front, scrolled down, 3 rows selected", [] {
    ListView_SetItemState(List(), 20, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(List(), 21, LVIS_SELECTED, LVIS_SELECTED);
    ListView_SetItemState(List(), 22, LVIS_SELECTED, LVIS_SELECTED);
    ScrollRows(15);
  });
  Measure("page 记录 in front, scrolled down, every row selected", [] {
    ListView_SetItemState(List(), -1, LVIS_SELECTED, LVIS_SELECTED);
  });
  Measure("main page in front, every row selected", [] { ShowPage(Page::Main); });
  // For comparison: the whole list drawn anew, as a change that does not know what it changed
  // would have it.
  ShowPage(Page::Record);
  Pump();
  std::vector<double> whole;
  for (int n = 0; n < 100; ++n) {
    const double start = NowMs();
    InvalidateRect(List(), nullptr, TRUE);
    UpdateWindow(List());
    Pump();
    whole.push_back(NowMs() - start);
  }
  std::printf("  page 记录 in front, the list drawn anew in full\n");
  Report("until idle", whole);
  DestroyWindow(FormHandle());
  return 0;
}
