// A virtual list view (LVS_OWNERDATA, report view) whose rows are newest first: a new row on top
// moves every row down one, and with them the selection, the focus and the view. The list draws
// only what looks different afterwards. Used by the page 记录.
#pragma once

#include <windows.h>

#include <vector>

namespace tesserin::ui {

// A run of selected rows, first to last.
struct SelectedRun {
  int first, last;
};

// The selected rows as runs, top to bottom: a message a selected row, but a few for a selection
// that reaches the last row.
std::vector<SelectedRun> SelectedRuns(HWND list);

// The list once its owner has put a row on top of its rows, which number `rows` now (the same
// as before when the oldest row went): its count, selection, focus and selection mark follow
// their rows; a view at the top shows the new row, one scrolled down keeps showing the same
// rows as far as the list goes.
void ShowNewTopRow(HWND list, int rows);

}  // namespace tesserin::ui
