// The personality memo (Memo1) shows the whole personality text: a text longer than its two
// lines gets a vertical scroll bar, with which the mouse alone brings the last character into
// view; a text that fits shows none.
#include "FormFixture_win.h"
#include "ui/FormState_win.h"

namespace tesserin::ui::test {
namespace {

class PersonalityMemoTest : public FormTest {
 protected:
  static HWND Memo() { return Control(Ctl::PersonalityMemo); }
  static bool ScrollBarShown() {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    return GetScrollBarInfo(Memo(), OBJID_VSCROLL, &info) &&
           !(info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN));
  }
  // Whether the last character lies wholly inside the memo's client area.
  static bool LastCharacterInView() {
    const int length = GetWindowTextLengthW(Memo());
    const LRESULT at = SendMessageW(Memo(), EM_POSFROMCHAR, static_cast<WPARAM>(length - 1), 0);
    const POINT p{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    RECT client;
    GetClientRect(Memo(), &client);
    HDC dc = GetDC(Memo());
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(Memo(), WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(Memo(), dc);
    return at != -1 && p.y >= 0 && p.y + metrics.tmHeight <= client.bottom && p.x < client.right;
  }
};

TEST_F(PersonalityMemoTest, TheLongestTextWithTheNoteCanBeReadToItsEndWithTheMouse) {
  // Lunar 1950-02-23: the longest personality text that takes the note.
  EnterDate(L"1950", L"2", L"23");
  ReadByEnterInDayField();
  const std::wstring text = TextOf(Ctl::PersonalityMemo);
  ASSERT_EQ(0u, text.find(L"往往是美女。")) << Utf8Of(text);
  ASSERT_EQ(text.size() - 7, text.find(L"，女晚婚或离婚")) << Utf8Of(text);
  ASSERT_TRUE(ScrollBarShown());
  EXPECT_FALSE(LastCharacterInView()) << "the box is two lines high";

  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  ASSERT_TRUE(GetScrollBarInfo(Memo(), OBJID_VSCROLL, &bar));
  const POINT downArrow{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2,
                        bar.rcScrollBar.bottom - bar.dxyLineButton / 2};
  for (int click = 0; click < 5 && !LastCharacterInView(); ++click) {
    const int firstLine = static_cast<int>(SendMessageW(Memo(), EM_GETFIRSTVISIBLELINE, 0, 0));
    MouseAt(downArrow);
    PumpUntil([&] { return SendMessageW(Memo(), EM_GETFIRSTVISIBLELINE, 0, 0) != firstLine; });
  }
  EXPECT_TRUE(LastCharacterInView());
}

TEST_F(PersonalityMemoTest, ATextThatFitsShowsNoScrollBarAndTheBarGoesWithALongText) {
  EXPECT_FALSE(ScrollBarShown()) << "empty at start";
  EnterDate(L"1950", L"2", L"23");
  ReadByEnterInDayField();
  EXPECT_TRUE(ScrollBarShown());
  EnterDate(L"1990", L"5", L"12");
  ClickSolarButton();
  const std::wstring text = TextOf(Ctl::PersonalityMemo);
  ASSERT_FALSE(text.empty());
  EXPECT_TRUE(LastCharacterInView()) << Utf8Of(text);
  EXPECT_FALSE(ScrollBarShown()) << Utf8Of(text);
}

// The text wraps at one width, beside the bar, whether the bar shows or not: the bar coming and
// going never rewraps it (each rewrap for a new width costs memory in Wine's edit control).
TEST_F(PersonalityMemoTest, TheTextWrapsAtOneWidthWhetherTheBarShowsOrNot) {
  auto textBoxWidth = [] {
    RECT box{};
    SendMessageW(Memo(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&box));
    return box.right - box.left;
  };
  EnterDate(L"1950", L"2", L"23");
  ReadByEnterInDayField();
  ASSERT_TRUE(ScrollBarShown());
  const int besideTheBar = textBoxWidth();
  EnterDate(L"1990", L"5", L"12");
  ClickSolarButton();
  ASSERT_FALSE(ScrollBarShown());
  EXPECT_EQ(textBoxWidth(), besideTheBar);
  EnterDate(L"1950", L"2", L"23");
  ReadByEnterInDayField();
  EXPECT_EQ(textBoxWidth(), besideTheBar);
}

}  // namespace
}  // namespace tesserin::ui::test
