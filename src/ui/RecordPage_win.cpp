#include "ui/RecordPage_win.h"

#include <string>
#include <vector>

#include "base/Dpi_win.h"
#include "base/Gbk.h"
#include "ui/Clipboard_win.h"
#include "ui/FormState_win.h"
#include "ui/ListTopRow_win.h"
#include "ui/ShortcutKey_win.h"

namespace tesserin::ui {
namespace {

HWND RecordList() { return Control(Ctl::RecordList); }

// The rows selected in the list, top to bottom.
std::vector<int> SelectedRows(HWND list) {
  std::vector<int> rows;
  for (const SelectedRun& run : SelectedRuns(list))
    for (int i = run.first; i <= run.last; ++i) rows.push_back(i);
  return rows;
}

}  // namespace

void SetUpRecordList(HWND list) {
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP);
  for (int c = 0; c < kRecordColumnCount; ++c) {
    const std::wstring caption = WideFromGbk(Gbk(kRecordColumns[c].caption));
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(caption.c_str());
    column.cx = Scale(kRecordColumns[c].width, FormDpi());
    column.iSubItem = c;
    ListView_InsertColumn(list, c, &column);
  }
}

void FitRecordColumns(HWND list) {
  for (int c = 0; c < kRecordColumnCount; ++c)
    ListView_SetColumnWidth(list, c, Scale(kRecordColumns[c].width, FormDpi()));
}

// The list holds no rows of its own (it asks the record for each cell as it draws it), only
// their number and which of them are selected.
void AddRecordRow(RecordRow row) {
  Form1State().record.Add(std::move(row));
  if (HWND list = RecordList()) ShowNewTopRow(list, static_cast<int>(Form1State().record.Size()));
}

std::optional<std::size_t> ActivatedRecordRow(const NMHDR& header) {
  if (header.hwndFrom != RecordList() || header.code != NM_DBLCLK) return std::nullopt;
  const int index = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
  if (index < 0 || static_cast<std::size_t>(index) >= Form1State().record.Size()) return std::nullopt;
  return static_cast<std::size_t>(index);
}

bool HandleRecordListNotify(const NMHDR& header) {
  if (header.hwndFrom != RecordList() || header.code != LVN_GETDISPINFOW) return false;
  LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
  const ReadingRecord& record = Form1State().record;
  if (!(item.mask & LVIF_TEXT) || item.cchTextMax <= 0) return true;
  item.pszText[0] = L'\0';
  if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= record.Size() || item.iSubItem < 0 ||
      item.iSubItem >= kRecordColumnCount)
    return true;
  const std::wstring text =
      WideFromGbk(CellText(record.Row(static_cast<std::size_t>(item.iItem)), static_cast<RecordColumn>(item.iSubItem)));
  lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
  return true;
}

bool HandleRecordKey(const MSG& msg) {
  HWND list = RecordList();
  if (!list || msg.hwnd != list) return false;
  if (IsCtrlShortcut(msg, 'C')) {
    CopySelectedRecordRows();
    return true;
  }
  if (IsCtrlShortcut(msg, 'A')) {
    ListView_SetItemState(list, -1, LVIS_SELECTED, LVIS_SELECTED);
    return true;
  }
  return false;
}

bool CopySelectedRecordRows() {
  HWND list = RecordList();
  if (!list) return false;
  std::vector<std::size_t> selected;
  for (int i : SelectedRows(list)) selected.push_back(static_cast<std::size_t>(i));
  if (selected.empty()) return false;
  return PutClipboardText(FormHandle(), WideFromGbk(CopiedRows(Form1State().record, selected)));
}

}  // namespace tesserin::ui
