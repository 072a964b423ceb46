// The page 记录: rows added by typed readings and by the watcher's, none for a refused date; the
// page, the focus, the selection and the rows in view left as the user had them; Ctrl+A and
// Ctrl+C; a double click shows a row's reading on the main page again; at most 1,000 rows.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FormFixture_win.h"
#include "base/Dpi_win.h"
#include "base/Gbk.h"
#include "ui/Clipboard_win.h"
#include "ui/FormState_win.h"
#include "ui/ReadingBinding_win.h"
#include "ui/Pages_win.h"
#include "form/ReadingRecord.h"
#include "ui/RecordPage_win.h"

namespace tesserin::ui::test {
namespace {

// The copy's captions, whole; the list's are short.
const std::wstring kCaptions = L"时间\t来源\t日期\t八字\t性欲\t可约\t善良\t要钱\t备注\r\n";
const std::wstring kShownCaptions = L"时间\t来源\t日期\t八字\t欲\t约\t善\t钱\t备注";

class RecordTest : public FormTest {
 protected:
  static HWND List() { return Control(Ctl::RecordList); }
  static int Rows() { return ListView_GetItemCount(List()); }
  static std::wstring Cell(int row, RecordColumn column) {
    wchar_t text[128] = {};
    ListView_GetItemText(List(), row, static_cast<int>(column), text, 128);
    return text;
  }
  // A row's cells from the source on, as the list shows them (the time varies).
  static std::wstring RowText(int row) {
    std::wstring text;
    for (int c = static_cast<int>(RecordColumn::Source); c < kRecordColumnCount; ++c)
      text += (text.empty() ? L"" : L"|") + Cell(row, static_cast<RecordColumn>(c));
    return text;
  }
  static std::vector<int> Selected() {
    std::vector<int> rows;
    for (int i = ListView_GetNextItem(List(), -1, LVNI_SELECTED); i >= 0;
         i = ListView_GetNextItem(List(), i, LVNI_SELECTED))
      rows.push_back(i);
    return rows;
  }
  // A typed date read with Enter in the day field (lunar) or with Button1 (solar).
  static void Typed(const wchar_t* year, const wchar_t* month, const wchar_t* day, bool lunar) {
    EnterDate(year, month, day);
    if (lunar) {
      ReadByEnterInDayField();
    } else {
      FocusOn(Ctl::SolarButton);
      Type(L" ");
    }
  }
  static void OpenRecordPage() {
    ShowPage(Page::Record);
    Pump();
  }
};

TEST_F(RecordTest, ThePageIsAReportListWithItsColumnsAndNoRows) {
  ASSERT_EQ(TabCtrl_GetItemCount(Form1State().pageControl), 3);
  wchar_t caption[32] = {};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = caption;
  item.cchTextMax = 32;
  TabCtrl_GetItem(Form1State().pageControl, 2, &item);
  EXPECT_STREQ(caption, L"记录");
  EXPECT_EQ(GetParent(List()), TabSheet(Page::Record));
  EXPECT_EQ(GetWindowLongW(List(), GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_EQ(Rows(), 0);
  HWND header = ListView_GetHeader(List());
  ASSERT_EQ(Header_GetItemCount(header), kRecordColumnCount);
  std::wstring captions;
  for (int c = 0; c < kRecordColumnCount; ++c) {
    wchar_t text[32] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = text;
    column.cchTextMax = 32;
    ListView_GetColumn(List(), c, &column);
    captions += std::wstring(c ? L"\t" : L"") + text;
    EXPECT_EQ(column.cx, ListView_GetStringWidth(List(), text) + Scale(12, FormDpi())) << "column " << c
                                                                                        << ": as wide as its caption";
  }
  EXPECT_EQ(captions, kShownCaptions);

  OpenRecordPage();
  EXPECT_TRUE(IsWindowVisible(List()));
  EXPECT_FALSE(IsWindowVisible(Control(Ctl::YearField)));
  EXPECT_FALSE(IsWindowVisible(Control(Ctl::HelpText)));
}

TEST_F(RecordTest, CtrlTabGoesRoundTheThreePagesCtrlShiftTabBack) {
  FocusOn(Ctl::YearField);
  std::vector<int> shown;
  for (int i = 0; i < 3; ++i) {
    PressWithCtrl(VK_TAB);
    shown.push_back(TabCtrl_GetCurSel(Form1State().pageControl));
  }
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
  SetKeyboardState(keys);
  PressWithCtrl(VK_TAB);
  shown.push_back(TabCtrl_GetCurSel(Form1State().pageControl));
  keys[VK_SHIFT] = keys[VK_LSHIFT] = 0;
  SetKeyboardState(keys);
  PressWithCtrl(VK_PRIOR);
  shown.push_back(TabCtrl_GetCurSel(Form1State().pageControl));
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 0, 2, 1}));
  EXPECT_TRUE(IsWindowVisible(TabSheet(Page::Help)));
  EXPECT_FALSE(IsWindowVisible(TabSheet(Page::Record)));
}

TEST_F(RecordTest, ReadingsAddRowsNewestFirstRefusalsNone) {
  Typed(L"1990", L"5", L"12", true);
  FromProfile("小红", L"2001", L"3", L"14");
  WithBox([] { Typed(L"1949", L"5", L"12", true); });  // the year out of range
  WithBox([] { Typed(L"1990", L"", L"12", false); });  // no whole number
  Typed(L"1950", L"1", L"7", false);
  ShowProfileFound(Gbk("小兰"));
  ShowUnreadableProfile(Gbk("抱歉"));
  Typed(L"1990", L"5", L"31", true);  // past the lunar month's end: read as solar

  ASSERT_EQ(Rows(), 5);
  auto startsWith = [](const std::wstring& text, const std::wstring& start) { return text.rfind(start, 0) == 0; };
  EXPECT_TRUE(startsWith(RowText(0), L"手动|1990-05-31 按公历|")) << Utf8Of(RowText(0));
  EXPECT_EQ(RowText(1), L"小兰|没有识别出来||||||");
  EXPECT_EQ(RowText(2), L"手动|1950-01-07 公历|己丑 丁丑 壬寅|1|4|3|0|晚婚");
  EXPECT_TRUE(startsWith(RowText(3), L"小红|2001-03-14 农历|")) << Utf8Of(RowText(3));
  EXPECT_EQ(RowText(4), L"手动|1990-05-12 农历|庚午 辛巳 庚子|5|5|3|0|");
  const std::wstring time = Cell(0, RecordColumn::Time);
  ASSERT_EQ(time.size(), 5u);
  EXPECT_EQ(time[2], L':') << Utf8Of(time);
}

// Each column is as wide as the widest of its caption and its texts, with six pixels on either
// side: no text cut, no column wider than its texts; a nickname shows whole up to seven Chinese
// characters. A column that a user widened stays as wide.
TEST_F(RecordTest, EachColumnIsAsWideAsItsTexts) {
  const int padding = Scale(12, FormDpi());
  const int wholeNickname = ListView_GetStringWidth(List(), L"一二三四五六七");
  auto widest = [&](int column) {
    wchar_t caption[32] = {};
    LVCOLUMNW c{};
    c.mask = LVCF_TEXT;
    c.pszText = caption;
    c.cchTextMax = 32;
    ListView_GetColumn(List(), column, &c);
    int width = ListView_GetStringWidth(List(), caption);
    for (int row = 0; row < Rows(); ++row) {
      int text = ListView_GetStringWidth(List(), Cell(row, static_cast<RecordColumn>(column)).c_str());
      if (column == static_cast<int>(RecordColumn::Source)) text = std::min(text, wholeNickname);
      width = std::max(width, text);
    }
    return width + padding;
  };
  auto expectEachColumnAsWideAsItsTexts = [&](const char* what) {
    SCOPED_TRACE(what);
    for (int c = 0; c < kRecordColumnCount; ++c)
      EXPECT_EQ(ListView_GetColumnWidth(List(), c), widest(c)) << "column " << c;
  };

  Typed(L"1990", L"5", L"12", true);
  expectEachColumnAsWideAsItsTexts("a typed date");
  FromProfile("小红", L"2001", L"3", L"14");
  Typed(L"1950", L"1", L"7", false);  // with the note
  Typed(L"1990", L"5", L"31", true);  // read as solar: 按公历
  expectEachColumnAsWideAsItsTexts("a nickname, the note, a date read as solar");
  FromProfile("一二三四五六七八九十", L"1990", L"5", L"12");
  expectEachColumnAsWideAsItsTexts("a nickname of ten characters");
  EXPECT_EQ(ListView_GetColumnWidth(List(), static_cast<int>(RecordColumn::Source)), wholeNickname + padding)
      << "seven characters shown whole";

  // Widened by its header, as a drag of the divider does.
  HDITEMW item{};
  item.mask = HDI_WIDTH;
  item.cxy = 300;
  Header_SetItem(ListView_GetHeader(List()), static_cast<int>(RecordColumn::Pillars), &item);
  Typed(L"1990", L"5", L"12", true);
  EXPECT_EQ(ListView_GetColumnWidth(List(), static_cast<int>(RecordColumn::Pillars)), 300);
}

// With a record longer than the page (so the list shows its vertical scroll bar), lunar and solar
// readings, the note, an unreadable profile and a nickname of eight Chinese characters, all nine
// columns fit the list side by side. (A date read as solar, 按公历, widens its column by one
// character; beside such a nickname that takes a few pixels more than the list has.)
TEST_F(RecordTest, AllNineColumnsFitTheList) {
  for (int i = 0; i < 30; ++i) FromProfile("一二三四五六七八", L"2001", L"3", L"14");
  Typed(L"1950", L"1", L"7", false);  // with the note
  Typed(L"1990", L"5", L"12", true);
  Typed(L"1990", L"5", L"31", true);  // lunar day 31, read as solar: 按公历
  ShowProfileFound(Gbk("小兰"));
  ShowUnreadableProfile(Gbk("抱歉"));
  OpenRecordPage();

  EXPECT_TRUE(GetWindowLongW(List(), GWL_STYLE) & WS_VSCROLL) << "the record is longer than the page";
  RECT client{};
  GetClientRect(List(), &client);
  int total = 0;
  for (int c = 0; c < kRecordColumnCount; ++c) total += ListView_GetColumnWidth(List(), c);
  EXPECT_LE(total, client.right) << "DPI " << FormDpi();
  EXPECT_FALSE(GetWindowLongW(List(), GWL_STYLE) & WS_HSCROLL);

  // The nickname shown in part is whole in the row's tooltip.
  wchar_t tip[64] = L"";
  NMLVGETINFOTIPW ask{};
  ask.hdr = {List(), static_cast<UINT_PTR>(GetDlgCtrlID(List())), LVN_GETINFOTIPW};
  ask.pszText = tip;
  ask.cchTextMax = 64;
  ask.iItem = 4;
  SendMessageW(form, WM_NOTIFY, ask.hdr.idFrom, reinterpret_cast<LPARAM>(&ask));
  EXPECT_STREQ(tip, L"一二三四五六七八");
}

TEST_F(RecordTest, AddingARowKeepsThePageTheFocusTheSelectionAndTheRowsInView) {
  for (int i = 0; i < 40; ++i) FromProfile(("contact " + std::to_string(i)).c_str(), L"1990", L"5", L"12");
  // On the main page: the watcher's row neither switches the page nor moves the focus.
  FocusOn(Ctl::MonthField);
  FromProfile("new 1", L"1990", L"5", L"12");
  EXPECT_EQ(TabCtrl_GetCurSel(Form1State().pageControl), 0);
  EXPECT_EQ(Focused(), Ctl::MonthField);

  // On the record page, scrolled down, two rows selected.
  OpenRecordPage();
  SetFocus(List());
  ListView_SetItemState(List(), 12, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetItemState(List(), 13, LVIS_SELECTED, LVIS_SELECTED);
  RECT row{};
  ListView_GetItemRect(List(), 0, &row, LVIR_BOUNDS);
  ListView_Scroll(List(), 0, 10 * (row.bottom - row.top));
  Pump();
  const int top = ListView_GetTopIndex(List());
  ASSERT_GT(top, 0);
  const std::wstring topRow = RowText(top), selected12 = RowText(12), selected13 = RowText(13);

  FromProfile("new 2", L"1990", L"5", L"12");
  EXPECT_EQ(RowText(0).substr(0, 6), L"new 2|");
  EXPECT_EQ(Selected(), (std::vector<int>{13, 14})) << "the same rows, one further down";
  EXPECT_EQ(RowText(13), selected12);
  EXPECT_EQ(RowText(14), selected13);
  EXPECT_EQ(ListView_GetTopIndex(List()), top + 1);
  EXPECT_EQ(RowText(ListView_GetTopIndex(List())), topRow) << "the same row at the top of the view";
  EXPECT_EQ(GetFocus(), List());
  EXPECT_EQ(TabCtrl_GetCurSel(Form1State().pageControl), 2);

  // Scrolled to the top, the new row comes into view.
  ListView_Scroll(List(), 0, -100 * (row.bottom - row.top));
  Pump();
  ASSERT_EQ(ListView_GetTopIndex(List()), 0);
  FromProfile("new 3", L"1990", L"5", L"12");
  EXPECT_EQ(ListView_GetTopIndex(List()), 0);
}

// A row put on the record straight, as the watcher's unreadable profiles are: quick enough to
// fill the record.
void AddNamedRow(const std::string& nickname) { AddRecordRow(UnreadableRow({12, 0, 0}, nickname, "")); }

// A new row changes little of what the list shows, and draws only that: each time the list
// looks as it does when drawn anew in full, with the page in front, on a record still growing
// and on a full one (whose oldest row goes), at the top of the view, scrolled down and with the
// last rows in view; the selection, the focus and the rows in view move with their rows.
TEST_F(RecordTest, ANewRowLeavesTheListDrawnAsAWholeRedrawWould) {
  for (int i = 0; i < 30; ++i) AddNamedRow("row " + std::to_string(i));
  OpenRecordPage();
  SetFocus(List());
  ListView_SetItemState(List(), 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetItemState(List(), 3, LVIS_SELECTED, LVIS_SELECTED);
  ListView_SetItemState(List(), 7, LVIS_SELECTED, LVIS_SELECTED);
  ListView_SetSelectionMark(List(), 2);
  Pump();
  int newRows = 0;
  auto addAndCompare = [&](const char* what) {
    SCOPED_TRACE(what);
    const std::vector<int> selected = Selected();
    const int focused = ListView_GetNextItem(List(), -1, LVNI_FOCUSED);
    const int top = ListView_GetTopIndex(List());
    const bool full = Rows() == static_cast<int>(ReadingRecord::kMaxRows);
    const std::wstring topRow = Cell(top, RecordColumn::Source);
    AddNamedRow("new " + std::to_string(++newRows));
    Pump();
    const Pixels drawn = Capture(List());
    RedrawWindow(List(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_TRUE(drawn == Capture(List())) << "the list drawn after the new row differs from the list drawn anew";

    std::vector<int> moved;
    for (int i : selected)
      if (i + 1 < Rows()) moved.push_back(i + 1);
    EXPECT_EQ(Selected(), moved);
    EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_FOCUSED), focused + 1 < Rows() ? focused + 1 : -1);
    const bool lastRowsInView = top + ListView_GetCountPerPage(List()) >= Rows();
    if (top > 0 && !(full && lastRowsInView)) {
      EXPECT_EQ(ListView_GetTopIndex(List()), top + 1);
      EXPECT_EQ(Cell(top + 1, RecordColumn::Source), topRow) << "the same row at the top of the view";
    }
    EXPECT_EQ(Cell(0, RecordColumn::Source), L"new " + std::to_wstring(newRows));
  };
  RECT row{};
  ListView_GetItemRect(List(), 0, &row, LVIR_BOUNDS);
  const int rowHeight = row.bottom - row.top;
  auto scrollTo = [&](int topRow) {
    ListView_Scroll(List(), 0, (topRow - ListView_GetTopIndex(List())) * rowHeight);
    Pump();
  };

  addAndCompare("a growing record, at the top");
  addAndCompare("again");
  scrollTo(4);
  addAndCompare("a growing record, scrolled down");
  scrollTo(Rows());
  addAndCompare("a growing record, the last rows in view");
  scrollTo(0);
  while (Rows() < static_cast<int>(ReadingRecord::kMaxRows)) AddNamedRow("row " + std::to_string(Rows()));
  Pump();
  ASSERT_EQ(Rows(), static_cast<int>(ReadingRecord::kMaxRows));
  addAndCompare("a full record, at the top");
  scrollTo(500);
  addAndCompare("a full record, scrolled down");
  for (int i = 0; i < 5; ++i) addAndCompare("a full record, scrolled down, row after row");
  const int last = Rows() - 1;
  ListView_SetItemState(List(), last, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  scrollTo(Rows());
  addAndCompare("a full record, the last rows in view, the oldest row selected");
  EXPECT_EQ(ListView_GetItemState(List(), last, LVIS_SELECTED), 0u) << "the oldest row went";
}

TEST_F(RecordTest, CtrlACtrlCCopyTheRowsAsTabSeparatedText) {
  ASSERT_TRUE(PutClipboardText(form, L"put there by the test"));
  Typed(L"1990", L"5", L"12", true);
  ShowProfileFound(Gbk("小兰"));
  ShowUnreadableProfile(Gbk("抱歉"));
  Typed(L"1950", L"1", L"7", false);
  OpenRecordPage();
  SetFocus(List());
  Pump();
  // The copy writes a row's cells whole, where the list shows some of them short.
  auto line = [](int row) {
    const RecordRow& recorded = Form1State().record.Row(static_cast<std::size_t>(row));
    std::wstring text;
    for (int c = 0; c < kRecordColumnCount; ++c)
      text += (c ? L"\t" : L"") + WideFromGbk(CellText(recorded, static_cast<RecordColumn>(c), CellForm::Copied));
    return text + L"\r\n";
  };

  PressWithCtrl('C');  // nothing selected: nothing copied
  EXPECT_EQ(ClipboardSeenElsewhere(), L"put there by the test");

  PressWithCtrl('A');
  EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 2}));
  PressWithCtrl('C');
  const std::wstring all = kCaptions + line(0) + line(1) + line(2);
  EXPECT_EQ(ClipboardSeenElsewhere(), all);
  EXPECT_NE(all.find(L"\t手动\t1950-01-07 公历\t己丑 丁丑 壬寅\t1\t4\t3\t0\t女晚婚或离婚\r\n"), std::wstring::npos);

  ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
  ListView_SetItemState(List(), 2, LVIS_SELECTED, LVIS_SELECTED);
  PressWithCtrl('C');
  EXPECT_EQ(ClipboardSeenElsewhere(), kCaptions + line(2));
  EXPECT_EQ(Rows(), 3) << "copying changes nothing";
}

TEST_F(RecordTest, ADoubleClickShowsTheRowsReadingOnTheMainPage) {
  FillFromProfile("小红", L"1990", L"5", L"12");
  FillProfileField(Field::Age, "36");
  ReadDateFields(CalendarMode::Lunar);
  Typed(L"1950", L"1", L"07", false);
  ShowProfileFound(Gbk("小兰"));
  ShowUnreadableProfile(Gbk("抱歉"));
  OpenRecordPage();
  auto doubleClick = [](int row) {
    RECT r{};
    ListView_GetItemRect(List(), row, &r, LVIR_BOUNDS);
    MapWindowPoints(List(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    const POINT at{r.left + 20, (r.top + r.bottom) / 2};
    MouseAt(at);
    MouseAt(at);
  };

  doubleClick(0);  // the unreadable profile: no reading to show
  PumpUntil([] { return Selected() == std::vector<int>{0}; });
  Pump();
  EXPECT_EQ(TabCtrl_GetCurSel(Form1State().pageControl), 2);

  doubleClick(2);
  ASSERT_TRUE(PumpUntil([] { return TabCtrl_GetCurSel(Form1State().pageControl) == 0; }));
  EXPECT_TRUE(IsWindowVisible(Control(Ctl::YearField)));
  EXPECT_EQ(TextOf(Ctl::NicknameLabel), L"小红");
  EXPECT_EQ(TextOf(Ctl::AgeField), L"36");
  EXPECT_EQ(TextOf(Ctl::YearField) + L"-" + TextOf(Ctl::MonthField) + L"-" + TextOf(Ctl::DayField), L"1990-5-12");
  EXPECT_EQ(TextOf(Ctl::PillarLine), L"八字：庚午 辛巳 庚子");
  EXPECT_EQ(TextOf(Ctl::PersonalityMemo), L"聪明刚强正直，追求完美，对别人要求过高，女人爱追求年长的异性，婚姻不佳");
  EXPECT_EQ(TextOf(Ctl::LibidoStars) + TextOf(Ctl::DateStars) + TextOf(Ctl::KindnessStars) + TextOf(Ctl::MoneyStars),
            L"★★★★★★★★★★★★★☆☆☆☆☆☆☆");
  FocusOn(Ctl::SolarButton);
  PressWithCtrl('C');
  const std::optional<std::wstring> copied = ClipboardSeenElsewhere();
  ASSERT_TRUE(copied);
  EXPECT_EQ(copied->substr(0, 13), L"八字：庚午 辛巳 庚子\r\n") << "Ctrl+C copies the reading shown again";

  OpenRecordPage();
  doubleClick(1);  // a typed date: Label7 as at start
  ASSERT_TRUE(PumpUntil([] { return TabCtrl_GetCurSel(Form1State().pageControl) == 0; }));
  EXPECT_EQ(TextOf(Ctl::NicknameLabel), L"QQ");
  EXPECT_EQ(TextOf(Ctl::YearField) + L"-" + TextOf(Ctl::MonthField) + L"-" + TextOf(Ctl::DayField), L"1950-1-7");
  EXPECT_EQ(TextOf(Ctl::PillarLine), L"八字：己丑 丁丑 壬寅");
  EXPECT_EQ(Rows(), 3) << "showing a row again adds none";

  // The button over the fields as a row put them back reads the same person's date again. (Each
  // reading puts a row on top: the typed one is the third row again after the first.)
  struct Again {
    int row;
    const wchar_t* nickname;
    const wchar_t* recorded;
  };
  for (const Again& again : {Again{2, L"小红", L"小红|1990-05-12 公历|"}, Again{2, L"QQ", L"手动|1950-01-07 公历|"}}) {
    SCOPED_TRACE(Utf8Of(again.nickname));
    OpenRecordPage();
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
    doubleClick(again.row);
    ASSERT_TRUE(PumpUntil([] { return TabCtrl_GetCurSel(Form1State().pageControl) == 0; }));
    ClickSolarButton();
    EXPECT_EQ(TextOf(Ctl::NicknameLabel), again.nickname);
    EXPECT_EQ(RowText(0).rfind(again.recorded, 0), 0u) << Utf8Of(RowText(0));
  }
}

TEST_F(RecordTest, AThousandRowsAtMostTheOldestGo) {
  for (int i = 0; i < 1002; ++i) {
    ShowProfileFound(std::to_string(i));
    ShowUnreadableProfile(Gbk("抱歉"));
  }
  EXPECT_EQ(Rows(), 1000);
  EXPECT_EQ(Cell(0, RecordColumn::Source), L"1001");
  EXPECT_EQ(Cell(999, RecordColumn::Source), L"2");
}

}  // namespace
}  // namespace tesserin::ui::test
