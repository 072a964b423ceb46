// Typing into the real form: each key is posted to the control that has the focus at that
// moment and passes the dialog handling of the message loop, so the focus moves and the
// inserted characters are those a user would see.
#include "FormFixture_win.h"
#include "ui/Clipboard_win.h"
#include "ui/FormState_win.h"

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
    {"four year digits: the fourth lands in Edit4, the focus in Edit2", Ctl::YearField, L"", L"", L"", L"1990", L"1990", L"", L"", Ctl::MonthField},
    {"a letter after three year digits moves on uninserted", Ctl::YearField, L"199", L"", L"", L"a", L"199", L"", L"", Ctl::MonthField},
    {"a whole date typed straight through", Ctl::YearField, L"", L"", L"", L"1990512", L"1990", L"5", L"12", Ctl::DayField},
    {"month 5 moves to the day", Ctl::MonthField, L"", L"", L"", L"5", L"", L"5", L"", Ctl::DayField},
    {"month 1 stays", Ctl::MonthField, L"", L"", L"", L"1", L"", L"1", L"", Ctl::MonthField},
    {"month 2 moves to the day: 1950, 2, 23 typed straight through", Ctl::YearField, L"", L"", L"", L"1950223", L"1950", L"2", L"23", Ctl::DayField},
    {"month 3 moves to the day", Ctl::MonthField, L"", L"", L"", L"3", L"", L"3", L"", Ctl::DayField},
    {"month 1 then 2 makes 12 and moves", Ctl::MonthField, L"", L"", L"", L"12", L"", L"12", L"", Ctl::DayField},
    {"month 0 is refused and the focus stays", Ctl::MonthField, L"", L"", L"", L"0", L"", L"", L"", Ctl::MonthField},
    {"day 0 is refused", Ctl::DayField, L"", L"", L"", L"0", L"", L"", L"", Ctl::DayField},
    {"day letters are refused", Ctl::DayField, L"", L"", L"", L"x1y", L"", L"", L"1", Ctl::DayField},
    {"Enter in the year moves on", Ctl::YearField, L"1990", L"", L"", L"\r", L"1990", L"", L"", Ctl::MonthField},
    {"Enter in the month moves on", Ctl::MonthField, L"1", L"1", L"", L"\r", L"1", L"1", L"", Ctl::DayField},
    {"Backspace edits the year and stays", Ctl::YearField, L"199", L"", L"", L"\b", L"19", L"", L"", Ctl::YearField},
    {"a text beginning with 0 refuses every key", Ctl::DayField, L"", L"", L"0", L"5\b", L"", L"", L"0", Ctl::DayField},
    {"Escape after a month digit moves on", Ctl::MonthField, L"", L"1", L"", L"\x1b", L"", L"1", L"", Ctl::DayField},
    {"Tab moves on and is no key for the rules", Ctl::YearField, L"19", L"", L"", L"\t", L"19", L"", L"", Ctl::MonthField},
    {"the moved-to field's text is selected and replaced", Ctl::YearField, L"", L"11", L"", L"19906", L"1990", L"6", L"", Ctl::DayField},
};

using TypingTest = FormTest;

TEST_F(TypingTest, DateFieldsFilterKeysAndMoveTheFocus) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EnterDate(c.year, c.month, c.day);
    FocusOn(c.start);
    // The caret at the end, as after typing: the rules look at the whole text anyway.
    SendMessageW(Control(c.start), EM_SETSEL, 0x7FFF, 0x7FFF);
    Type(c.keys);
    EXPECT_EQ(TextOf(Ctl::YearField), c.yearAfter);
    EXPECT_EQ(TextOf(Ctl::MonthField), c.monthAfter);
    EXPECT_EQ(TextOf(Ctl::DayField), c.dayAfter);
    EXPECT_EQ(Focused(), c.focusAfter);
    EXPECT_EQ(Utf8Of(TextOf(Ctl::PillarLine)), "八字：") << "no reading ran";
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
      {"a year over the old one", Ctl::YearField, L"1989", true, L"1990", L"1990"},
      {"the end of a year of two digits, where a third digit would move on", Ctl::YearField, L"19", false, L"90", L"1990"},
      {"a month after its first digit, where a digit moves on", Ctl::MonthField, L"1", false, L"2", L"12"},
      {"a day over one beginning with 0, which refuses every typed key", Ctl::DayField, L"0", true, L"23", L"23"},
      {"a text that is no number, as 粘贴 takes it", Ctl::DayField, L"", true, L"五", L"五"},
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
    EXPECT_EQ(Utf8Of(TextOf(Ctl::PillarLine)), "八字：") << "no reading ran";
  }
}

// Typed over a selection, the keys read the date the user typed: the selected text the key
// replaces counts for nothing.
TEST_F(TypingTest, TypingOverASelectionReadsTheDateTyped) {
  struct SelectCase {
    const char* what;
    Ctl field;
    const wchar_t* keys;
    const wchar_t *yearAfter, *monthAfter, *dayAfter;
  };
  const SelectCase kSelected[] = {
      {"1990113 over the selected year of 1990/5/12", Ctl::YearField, L"1990113", L"1990", L"11", L"3"},
      {"12 over the selected month", Ctl::MonthField, L"12", L"1990", L"12", L"12"},
      {"13 over the selected day", Ctl::DayField, L"13", L"1990", L"5", L"13"},
  };
  for (const SelectCase& c : kSelected) {
    SCOPED_TRACE(c.what);
    EnterDate(L"1990", L"5", L"12");
    FocusOn(c.field);
    SendMessageW(Control(c.field), EM_SETSEL, 0, -1);  // as a double click or Ctrl+A selects
    Type(c.keys);
    EXPECT_EQ(TextOf(Ctl::YearField), c.yearAfter);
    EXPECT_EQ(TextOf(Ctl::MonthField), c.monthAfter);
    EXPECT_EQ(TextOf(Ctl::DayField), c.dayAfter);
  }
  EnterDate(L"1990", L"5", L"12");
  FocusOn(Ctl::YearField);
  SendMessageW(Control(Ctl::YearField), EM_SETSEL, 0, -1);
  Type(L"1990113\r");
  EXPECT_EQ(Utf8Of(TextOf(Ctl::PillarLine)), "八字：庚午 戊子 戊午") << "lunar 1990-11-3, as typed";
}

// A whole date pasted into any date field, by Ctrl+V or 粘贴, fills the three fields, and the
// focus waits in the day field, where Enter reads it.
TEST_F(TypingTest, AWholeDatePastedFillsTheThreeFields) {
  struct WholeCase {
    const wchar_t* pasted;
    Ctl into;
    bool byMenu;
  };
  const WholeCase kWhole[] = {
      {L"1990-05-12", Ctl::YearField, false}, {L"1990/5/12", Ctl::MonthField, false},
      {L"1990.5.12", Ctl::DayField, true},    {L"1990年5月12日", Ctl::YearField, true},
      {L"19900512", Ctl::DayField, false},
  };
  for (const WholeCase& c : kWhole) {
    SCOPED_TRACE(Utf8Of(c.pasted));
    EnterDate(L"2001", L"1", L"1");
    FocusOn(c.into);
    ASSERT_TRUE(PutClipboardText(form, c.pasted));
    if (c.byMenu) {
      SendMessageW(Control(c.into), WM_PASTE, 0, 0);  // what 粘贴 of the context menu sends
      Pump();
    } else {
      PressWithCtrl('V');
    }
    EXPECT_EQ(TextOf(Ctl::YearField) + L"-" + TextOf(Ctl::MonthField) + L"-" + TextOf(Ctl::DayField), L"1990-5-12");
    EXPECT_EQ(Focused(), Ctl::DayField);
  }
  Type(L"\r");
  EXPECT_EQ(Utf8Of(TextOf(Ctl::PillarLine)), "八字：庚午 辛巳 庚子") << "Enter reads the pasted date";
}

TEST_F(TypingTest, TheFocusStartsInTheYearField) {
  EXPECT_EQ(Focused(), Ctl::YearField);
  Type(L"1990512\r");
  EXPECT_EQ(Utf8Of(TextOf(Ctl::PillarLine)), "八字：庚午 辛巳 庚子") << "a date typed at once is read";
}

TEST_F(TypingTest, TheAgeFieldTakesAnyText) {
  FocusOn(Ctl::AgeField);
  Type(L"a0b\r");
  EXPECT_EQ(TextOf(Ctl::AgeField), L"a0b");
  EXPECT_EQ(Focused(), Ctl::AgeField) << "Enter in Edit1 does nothing";
  SendMessageW(Control(Ctl::AgeField), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\U0001F600"));
  Pump();
  EXPECT_EQ(TextOf(Ctl::AgeField), L"a0b\U0001F600") << "a character outside code page 936 stays as typed";
}

TEST_F(TypingTest, FocusMovesThroughTheDialogManager) {
  // WM_NEXTDLGCTL with both parameters 0, as the rules send it, from each date field.
  const std::pair<Ctl, Ctl> moves[] = {{Ctl::YearField, Ctl::MonthField}, {Ctl::MonthField, Ctl::DayField}, {Ctl::DayField, Ctl::AutoCloseBox}};
  for (auto [from, to] : moves) {
    FocusOn(from);
    SendMessageW(form, WM_NEXTDLGCTL, 0, 0);
    EXPECT_EQ(Focused(), to);
  }
}

}  // namespace
}  // namespace tesserin::ui::test
