// The page "记录": the list view that shows the record of the readings, its columns as wide as
// their texts, rows added without disturbing the user, and the copy of the selected rows.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "form/ReadingRecord.h"

namespace tesserin::ui {

// The list's extended styles and columns, on creation.
void SetUpRecordList(HWND list);
// Each column as wide as its caption and the texts of the record's rows, in the list's font
// for the form's DPI (a new row widens the columns it needs wider).
void FitRecordColumns(HWND list);

// Puts a row on top of the record and its list. The list keeps its selection, and the rows in
// view stay in view unless the list shows its top row, where the new row appears.
void AddRecordRow(RecordRow row);

// The row of the record that a double click on the list hit; none on empty space.
std::optional<std::size_t> ActivatedRecordRow(const NMHDR& header);

// The list's notifications that fetch the cells' texts. Returns whether it was one.
bool HandleRecordListNotify(const NMHDR& header);

// Ctrl+C (copy the selected rows) and Ctrl+A (select every row) while the list has the focus.
bool HandleRecordKey(const MSG& msg);

// The selected rows on the clipboard, after a line of captions. False when none is selected or
// the clipboard could not be had.
bool CopySelectedRecordRows();

}  // namespace tesserin::ui
