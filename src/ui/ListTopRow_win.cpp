// A new row on top, at the cost of what it changes on the screen. The list's state moves while
// the list draws nothing; then only what looks different is drawn: at the top of the view, the
// pixels of the rows move down one row and the new row is drawn above them; a view scrolled
// down shows the same rows as before and draws nothing, but for the scroll bar's thumb when it
// moved. On a full record of 1,000 rows under Wine, redrawing the whole list and selecting its
// rows again one by one cost 0.9 ms a row with the page hidden and 9 to 20 ms with it in front;
// this costs 0.02 ms and 0.3 to 1 ms (record_add_probe in tests/ui, bench/RESULTS.md).
#include "ui/ListTopRow_win.h"

#include <commctrl.h>

#include <algorithm>

namespace tesserin::ui {
namespace {

// ListView_SetItemState as a function: the macro is a block, which an if-else cannot hold.
void SetRowState(HWND list, int row, UINT state, UINT mask) { ListView_SetItemState(list, row, state, mask); }

int RowHeight(HWND list) {
  RECT r{};
  return ListView_GetItemRect(list, 0, &r, LVIR_BOUNDS) ? r.bottom - r.top : 0;
}

// The row at the top of the view once a row is on top: the view at the top shows the new row;
// one scrolled down keeps showing the same rows, as far as the list goes.
int TopAfterNewRow(HWND list, int top, int rows) {
  if (top == 0) return 0;
  return std::min(top + 1, std::max(rows - ListView_GetCountPerPage(list), 0));
}

// The list's count, selection, focus, mark and view with a row on top: a run of selected rows
// loses its first row and gains the one below its last.
void MoveStateDownOneRow(HWND list, int rows, int topAfter) {
  const std::vector<SelectedRun> selected = SelectedRuns(list);
  const int focused = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
  const int mark = ListView_GetSelectionMark(list);
  // Where the oldest row went, the number stays; told it again, the list would work out both
  // its scroll bars anew.
  if (ListView_GetItemCount(list) != rows) ListView_SetItemCountEx(list, rows, LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
  for (const SelectedRun& run : selected) {
    SetRowState(list, run.first, 0, LVIS_SELECTED);
    if (run.last + 1 < rows) SetRowState(list, run.last + 1, LVIS_SELECTED, LVIS_SELECTED);
  }
  if (focused >= 0 && focused + 1 < rows) SetRowState(list, focused + 1, LVIS_FOCUSED, LVIS_FOCUSED);
  if (focused >= 0 && focused + 1 == rows) SetRowState(list, focused, 0, LVIS_FOCUSED);
  if (mark >= 0) ListView_SetSelectionMark(list, mark + 1 < rows ? mark + 1 : -1);
  // Last, as the focus may have scrolled its row into view (Wine's list does).
  if (const int top = ListView_GetTopIndex(list); top != topAfter)
    ListView_Scroll(list, 0, (topAfter - top) * RowHeight(list));
}

// Keeps a visible list from drawing for a scope: what it changes meanwhile reaches neither the
// screen nor its update region. It is the window's redraw flag, set through DefWindowProc: the
// list's own handler of WM_SETREDRAW would redraw all of it, scroll bars included, once drawing
// comes back.
class DrawingHeld {
 public:
  explicit DrawingHeld(HWND list) : list_(list) { DefWindowProcW(list_, WM_SETREDRAW, FALSE, 0); }
  ~DrawingHeld() { DefWindowProcW(list_, WM_SETREDRAW, TRUE, 0); }
  DrawingHeld(const DrawingHeld&) = delete;
  DrawingHeld& operator=(const DrawingHeld&) = delete;

 private:
  HWND list_;
};

// The vertical scroll bar as drawn: whether it shows, and where its thumb is.
struct ScrollBarLook {
  bool shown = false;
  int thumbTop = 0, thumbBottom = 0;
  bool operator==(const ScrollBarLook&) const = default;
};

ScrollBarLook VerticalBarLook(HWND list) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!GetScrollBarInfo(list, OBJID_VSCROLL, &info)) return {};
  return {!(info.rgstate[0] & STATE_SYSTEM_INVISIBLE), info.xyThumbTop, info.xyThumbBottom};
}

// Draws the vertical scroll bar for its present position.
void RedrawVerticalBar(HWND list) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  GetScrollInfo(list, SB_VERT, &info);
  SetScrollInfo(list, SB_VERT, &info, TRUE);
}

// The area of the rows in view, below the column captions.
RECT RowsArea(HWND list) {
  RECT first{}, area{};
  GetClientRect(list, &area);
  if (ListView_GetItemRect(list, ListView_GetTopIndex(list), &first, LVIR_BOUNDS)) area.top = first.top;
  return area;
}

// The drawn rows' pixels, moved down one row as the rows themselves move. Nothing moves into
// the empty space below the last row but a row the list gains.
void MoveRowPixelsDown(HWND list, bool gainsARow) {
  RECT area = RowsArea(list), last{};
  const int rowHeight = RowHeight(list);
  if (ListView_GetItemRect(list, ListView_GetItemCount(list) - 1, &last, LVIR_BOUNDS))
    area.bottom = std::min(area.bottom, last.bottom + (gainsARow ? rowHeight : 0));
  ScrollWindowEx(list, 0, rowHeight, &area, &area, nullptr, nullptr, 0);
}

// The row at the top of the view, to be drawn anew.
void InvalidateTopRow(HWND list) {
  RECT row = RowsArea(list);
  row.bottom = row.top + RowHeight(list);
  InvalidateRect(list, &row, TRUE);
}

}  // namespace

std::vector<SelectedRun> SelectedRuns(HWND list) {
  std::vector<SelectedRun> runs;
  const int selected = static_cast<int>(ListView_GetSelectedCount(list));
  const int first = selected > 0 ? ListView_GetNextItem(list, -1, LVNI_SELECTED) : -1;
  if (first < 0) return runs;
  // Every row from the first selected one to the end, as after Ctrl+A and new rows on top: one
  // run, without a message a row.
  if (const int rows = ListView_GetItemCount(list); selected == rows - first) return {{first, rows - 1}};
  // The search stops at the last selected row, not at the end of the list.
  for (int i = first, found = 1;; ++found) {
    if (!runs.empty() && runs.back().last + 1 == i)
      runs.back().last = i;
    else
      runs.push_back({i, i});
    if (found == selected || (i = ListView_GetNextItem(list, i, LVNI_SELECTED)) < 0) break;
  }
  return runs;
}

void ShowNewTopRow(HWND list, int rows) {
  const int top = ListView_GetTopIndex(list);
  const int topAfter = TopAfterNewRow(list, top, rows);
  if (!IsWindowVisible(list)) {
    MoveStateDownOneRow(list, rows, topAfter);
    return;
  }
  // What was still to be drawn goes with the drawing held below, and is drawn again in full.
  const bool pending = GetUpdateRect(list, nullptr, FALSE) || GetUpdateRect(ListView_GetHeader(list), nullptr, FALSE);
  const ScrollBarLook bar = VerticalBarLook(list);
  // At the top of the view, or with the last rows in view, the drawn rows move down one row;
  // their pixels move while they still show what the list drew.
  const bool keepsItsRows = topAfter == top + 1;
  if (!pending && !keepsItsRows) MoveRowPixelsDown(list, ListView_GetItemCount(list) < rows);
  {
    DrawingHeld held(list);
    MoveStateDownOneRow(list, rows, topAfter);
  }
  const ScrollBarLook barNow = VerticalBarLook(list);
  if (pending || bar.shown != barNow.shown) {
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return;
  }
  if (!keepsItsRows) InvalidateTopRow(list);
  if (!(bar == barNow)) RedrawVerticalBar(list);
}

}  // namespace tesserin::ui
