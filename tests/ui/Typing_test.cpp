// Typing into the real form: each key is posted to the control that has the focus at that
// moment and passes the dialog handling of the message loop, so the focus moves and the
// inserted characters are those a user would see.
#include "FormFixture_win.h"
#include "ui/Clipboard_win.h"
#include "ui/Form1_win.h"

namespace tesserin::ui::test {
namespace {

struct Case {
  const char* what;
  Ctl start;                // focused before typing
  const wchar_t* year;      // texts before typing
  const wchar_t* month;
  const wchar_t* day;
  const wchar_t* keys;
  const wchar_t* yearAfter;  // texts after typing
  const wchar_t* monthAfter;
  const wchar_t* dayAfter;
  Ctl focusAfter;
};

const Case kCases[] = {
    {"four year digits: the fourth lands in Edit4, the focus in Edit2", Ctl::Edit4, L"", L"", L"", L"1990", L"1990", L"", L"", Ctl::Edit2},
    {"a letter after three year digits moves on uninserted", Ctl::Edit4, L"199", L"", L"", L"a", L"199", L"", L"", Ctl::Edit2},
    {"a whole date typed straight through", Ctl::Edit4, L"", L"", L"", L"1990512", L"1990", L"5", L"12", Ctl::Edit3},
    {"month 5 moves to the day", Ctl::Edit2, L"", L"", L"", L"5", L"", L"5", L"", Ctl::Edit3},
    {"month 1 stays", Ctl::Edit2, L"", L"", L"", L"1", L"", L"1", L"", Ctl::Edit2},
    {"month 2 moves to the day: 1950, 2, 23 typed straight through", Ctl::Edit4, L"", L"", L"", L"1950223", L"1950", L"2", L"23", Ctl::Edit3},
    {"month 3 moves to the day", Ctl::Edit2, L"", L"", L"", L"3", L"", L"3", L"", Ctl::Edit3},
    {"month 1 then 2 makes 12 and moves", Ctl::Edit2, L"", L"", L"", L"12", L"", L"12", L"", Ctl::Edit3},
    {"month 0 is refused and the focus stays", Ctl::Edit2, L"", L"", L"", L"0", L"", L"", L"", Ctl::Edit2},
    {"day 0 is refused", Ctl::Edit3, L"", L"", L"", L"0", L"", L"", L"", Ctl::Edit3},
    {"day letters are refused", Ctl::Edit3, L"", L"", L"", L"x1y", L"", L"", L"1", Ctl::Edit3},
    {"Enter in the year moves on", Ctl::Edit4, L"1990", L"", L"", L"\r", L"1990", L"", L"", Ctl::Edit2},
    {"Enter in the month moves on", Ctl::Edit2, L"1", L"1", L"", L"\r", L"1", L"1", L"", Ctl::Edit3},
    {"Backspace edits the year and stays", Ctl::Edit4, L"199", L"", L"", L"\b", L"19", L"", L"", Ctl::Edit4},
    {"a text beginning with 0 refuses every key", Ctl::Edit3, L"", L"", L"0", L"5\b", L"", L"", L"0", Ctl::Edit3},
    {"Escape after a month digit moves on", Ctl::Edit2, L"", L"1", L"", L"\x1b", L"", L"1", L"", Ctl::Edit3},
    {"Tab moves on and is no key for the rules", Ctl::Edit4, L"19", L"", L"", L"\t", L"19", L"", L"", Ctl::Edit2},
    {"the moved-to field's text is selected and replaced", Ctl::Edit4, L"", L"11", L"", L"19906", L"1990", L"6", L"", Ctl::Edit3},
};

using TypingTest = FormTest;

TEST_F(TypingTest, DateFieldsFilterKeysAndMoveTheFocus) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    SetTextOf(Ctl::Edit4, c.year);
    SetTextOf(Ctl::Edit2, c.month);
    SetTextOf(Ctl::Edit3, c.day);
    FocusOn(c.start);
    // The caret at the end, as after typing: the rules look at the whole text anyway.
    SendMessageW(Control(c.start), EM_SETSEL, 0x7FFF, 0x7FFF);
    Type(c.keys);
    EXPECT_EQ(TextOf(Ctl::Edit4), c.yearAfter);
    EXPECT_EQ(TextOf(Ctl::Edit2), c.monthAfter);
    EXPECT_EQ(TextOf(Ctl::Edit3), c.dayAfter);
    EXPECT_EQ(Focused(), c.focusAfter);
    EXPECT_EQ(Utf8Of(TextOf(Ctl::Label4)), "八字：") << "no reading ran";
  }
}

// Ctrl+V pastes into each date field as its context menu's 粘贴 does: over the selection or at
// the caret, whatever the text, and neither moves the focus nor reads.
TEST_F(TypingTest, CtrlVPastesIntoTheDateFields) {
  struct PasteCase {
    const char* what;
    Ctl field;
    const wchar_t* text;
    bool selectAll;
    const wchar_t* pasted;
    const wchar_t* after;
  };
  const PasteCase kPastes[] = {
      {"a year over the old one", Ctl::Edit4, L"1989", true, L"1990", L"1990"},
      {"the end of a year of two digits, where a third digit would move on", Ctl::Edit4, L"19", false, L"90", L"1990"},
      {"a month after its first digit, where a digit moves on", Ctl::Edit2, L"1", false, L"2", L"12"},
      {"a day over one beginning with 0, which refuses every typed key", Ctl::Edit3, L"0", true, L"23", L"23"},
      {"a text that is no number, as 粘贴 takes it", Ctl::Edit3, L"", true, L"五", L"五"},
  };
  for (const PasteCase& c : kPastes) {
    SCOPED_TRACE(c.what);
    SetTextOf(c.field, c.text);
    FocusOn(c.field);
    SendMessageW(Control(c.field), EM_SETSEL, c.selectAll ? 0 : 0x7FFF, 0x7FFF);
    ASSERT_TRUE(PutClipboardText(form, c.pasted));
    PressWithCtrl('V');
    EXPECT_EQ(TextOf(c.field), c.after);
    EXPECT_EQ(Focused(), c.field);
    EXPECT_EQ(Utf8Of(TextOf(Ctl::Label4)), "八字：") << "no reading ran";
  }
}

TEST_F(TypingTest, Edit1TakesAnyText) {
  FocusOn(Ctl::Edit1);
  Type(L"a0b\r");
  EXPECT_EQ(TextOf(Ctl::Edit1), L"a0b");
  EXPECT_EQ(Focused(), Ctl::Edit1) << "Enter in Edit1 does nothing";
}

TEST_F(TypingTest, FocusMovesThroughTheDialogManager) {
  // WM_NEXTDLGCTL with both parameters 0, as the rules send it, from each date field.
  const std::pair<Ctl, Ctl> moves[] = {{Ctl::Edit4, Ctl::Edit2}, {Ctl::Edit2, Ctl::Edit3}, {Ctl::Edit3, Ctl::CheckBox1}};
  for (auto [from, to] : moves) {
    FocusOn(from);
    SendMessageW(form, WM_NEXTDLGCTL, 0, 0);
    EXPECT_EQ(Focused(), to);
  }
}

}  // namespace
}  // namespace tesserin::ui::test
