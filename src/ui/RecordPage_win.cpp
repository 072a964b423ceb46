#include "ui/RecordPage_win.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/Dpi_win.h"
#include "base/Gbk.h"
#include "base/Gdi_win.h"
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

// The space the list and its captions leave around a text, at 96 DPI: six pixels each side.
constexpr int kTextPadding = 12;
// As wide as a nickname shows whole.
constexpr std::wstring_view kWholeNickname = L"汉汉汉汉汉汉汉";
static_assert(kWholeNickname.size() == kNicknameShownWhole);

std::wstring Caption(int column) { return WideFromGbk(Gbk(CaptionOf(static_cast<RecordColumn>(column), CellForm::Shown))); }

// The widths of texts in the list's font, on a device context of their own (cheaper than asking
// the list, which takes the window's).
class TextWidths {
 public:
  explicit TextWidths(HWND list)
      : dc_(CreateCompatibleDC(nullptr)),
        font_(dc_.get(), reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0))),
        padding_(Scale(kTextPadding, FormDpi())),
        wholeNickname_(Of(kWholeNickname)) {}

  // The column's width for the text: the text and the space around it, a nickname no wider
  // than shows it whole up to its limit.
  int ColumnWidth(int column, std::wstring_view text) const {
    int width = Of(text);
    if (column == static_cast<int>(RecordColumn::Source)) width = std::min(width, wholeNickname_);
    return width + padding_;
  }

 private:
  int Of(std::wstring_view text) const {
    SIZE size{};
    GetTextExtentPoint32W(dc_.get(), text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
  }

  UniqueMemoryDC dc_;
  ScopedSelect font_;
  int padding_;
  int wholeNickname_;
};

int NeededWidth(const TextWidths& widths, const RecordRow& row, int column) {
  return widths.ColumnWidth(column, WideFromGbk(CellText(row, static_cast<RecordColumn>(column), CellForm::Shown)));
}

// Widens each column that the row's text needs wider. A column is never made narrower here:
// a user may have widened it.
void WidenColumnsFor(HWND list, const TextWidths& widths, const RecordRow& row) {
  for (int c = 0; c < kRecordColumnCount; ++c) {
    const int needed = NeededWidth(widths, row, c);
    if (needed > ListView_GetColumnWidth(list, c)) ListView_SetColumnWidth(list, c, needed);
  }
}

}  // namespace

void SetUpRecordList(HWND list) {
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER | LVS_EX_LABELTIP | LVS_EX_INFOTIP);
  for (int c = 0; c < kRecordColumnCount; ++c) {
    const std::wstring caption = Caption(c);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_SUBITEM;
    column.pszText = const_cast<wchar_t*>(caption.c_str());
    column.iSubItem = c;
    ListView_InsertColumn(list, c, &column);
  }
  FitRecordColumns(list);
}

// The widest of each column's texts first, then one width a column: the list lays itself out
// once per column, not once per row that needs a column wider.
void FitRecordColumns(HWND list) {
  const TextWidths widths(list);
  const ReadingRecord& record = Form1State().record;
  for (int c = 0; c < kRecordColumnCount; ++c) {
    int widest = widths.ColumnWidth(c, Caption(c));
    for (std::size_t i = 0; i < record.Size(); ++i) widest = std::max(widest, NeededWidth(widths, record.Row(i), c));
    ListView_SetColumnWidth(list, c, widest);
  }
}

// The list holds no rows of its own (it asks the record for each cell as it draws it), only
// their number and which of them are selected.
void AddRecordRow(RecordRow row) {
  const ReadingRecord& record = Form1State().record;
  Form1State().record.Add(std::move(row));
  HWND list = RecordList();
  if (!list) return;
  ShowNewTopRow(list, static_cast<int>(record.Size()));
  WidenColumnsFor(list, TextWidths(list), record.Row(0));
}

std::optional<std::size_t> ActivatedRecordRow(const NMHDR& header) {
  if (header.hwndFrom != RecordList() || header.code != NM_DBLCLK) return std::nullopt;
  const int index = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem;
  if (index < 0 || static_cast<std::size_t>(index) >= Form1State().record.Size()) return std::nullopt;
  return static_cast<std::size_t>(index);
}

// The tooltip of a row: the whole nickname, which its column may show in part.
bool RowTip(const NMHDR& header) {
  auto& tip = reinterpret_cast<NMLVGETINFOTIPW&>(const_cast<NMHDR&>(header));
  const ReadingRecord& record = Form1State().record;
  if (tip.cchTextMax <= 0 || tip.iItem < 0 || static_cast<std::size_t>(tip.iItem) >= record.Size()) return true;
  const std::optional<GbkString>& nickname = record.Row(static_cast<std::size_t>(tip.iItem)).nickname;
  const std::wstring whole = nickname ? WideFromGbk(*nickname) : std::wstring{};
  if (whole.size() > static_cast<std::size_t>(kNicknameShownWhole)) lstrcpynW(tip.pszText, whole.c_str(), tip.cchTextMax);
  return true;
}

bool HandleRecordListNotify(const NMHDR& header) {
  if (header.hwndFrom != RecordList()) return false;
  if (header.code == LVN_GETINFOTIPW) return RowTip(header);
  if (header.code != LVN_GETDISPINFOW) return false;
  LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
  const ReadingRecord& record = Form1State().record;
  if (!(item.mask & LVIF_TEXT) || item.cchTextMax <= 0) return true;
  item.pszText[0] = L'\0';
  if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= record.Size() || item.iSubItem < 0 ||
      item.iSubItem >= kRecordColumnCount)
    return true;
  const std::wstring text =
      WideFromGbk(CellText(record.Row(static_cast<std::size_t>(item.iItem)), static_cast<RecordColumn>(item.iSubItem),
                           CellForm::Shown));
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
