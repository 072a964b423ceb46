// Typing into the real form: each key is posted to the control that has the focus at that
// moment and passes the dialog handling of the message loop, so the focus moves and the
// inserted characters are those a user would see.
#include "FormFixture_win.h"
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
    SetTextOf(Ctl::YearField, c.year);
    SetTextOf(Ctl::MonthField, c.month);
    SetTextOf(Ctl::DayField, c.day);
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

TEST_F(TypingTest, TheAgeFieldTakesAnyText) {
  FocusOn(Ctl::AgeField);
  Type(L"a0b\r");
  EXPECT_EQ(TextOf(Ctl::AgeField), L"a0b");
  EXPECT_EQ(Focused(), Ctl::AgeField) << "Enter in Edit1 does nothing";
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
