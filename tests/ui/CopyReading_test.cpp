// Copying the reading: Ctrl+C and the window menu's command put the six result fields on the
// clipboard, read back by another process; a selection in an edit field is that field's to
// copy; before the first reading nothing is copied and nothing is said.
#include <optional>

#include "FormFixture_win.h"
#include "e2e/Desktop_win.h"
#include "ui/Clipboard_win.h"
#include "ui/CopyReading_win.h"
#include "ui/FormState_win.h"

namespace tesserin::ui::test {
namespace {

// Worked result for lunar 1990-05-12, as tesserin-cli prints it, with Windows line ends.
const std::wstring kLunar1990_5_12 =
    L"八字：庚午 辛巳 庚子\r\n"
    L"性格总论：聪明刚强正直，追求完美，对别人要求过高，女人爱追求年长的异性，婚姻不佳\r\n"
    L"性欲指数：★★★★★\r\n"
    L"可约指数：★★★★★\r\n"
    L"善良指数：★★★☆☆\r\n"
    L"要钱指数：☆☆☆☆☆\r\n";

const std::wstring kSentinel = L"put there by the test";

class CopyReadingTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    ASSERT_TRUE(PutClipboardText(form, kSentinel));
  }
  static void PressCtrlC() { PressWithCtrl('C'); }
  void ChooseFromWindowMenu() {
    PostMessageW(form, WM_SYSCOMMAND, kSysCommandCopyReading, 0);
    Pump();
  }
  static void ReadLunar1990_5_12() {
    FocusOn(Ctl::YearField);
    Type(L"1990512\r");
    ASSERT_EQ(Utf8Of(TextOf(Ctl::PillarLine)), "八字：庚午 辛巳 庚子");
  }
};

TEST_F(CopyReadingTest, CtrlCCopiesTheReadingAsTheCommandLineReaderPrintsIt) {
  ReadLunar1990_5_12();
  ASSERT_EQ(Focused(), Ctl::DayField);
  PressCtrlC();
  EXPECT_EQ(ClipboardSeenElsewhere(), kLunar1990_5_12);
  EXPECT_TRUE(OpenBoxes().empty());
  EXPECT_EQ(TextOf(Ctl::DayField), L"12") << "the key reaches no field";
}

TEST_F(CopyReadingTest, WindowMenuCommandCopiesTheSame) {
  wchar_t item[64] = {};
  GetMenuStringW(GetSystemMenu(form, FALSE), kSysCommandCopyReading, item, 64, MF_BYCOMMAND);
  EXPECT_EQ(std::wstring(item), L"复制结果(&Y)\tCtrl+C");

  ReadLunar1990_5_12();
  ChooseFromWindowMenu();
  EXPECT_EQ(ClipboardSeenElsewhere(), kLunar1990_5_12);
}

TEST_F(CopyReadingTest, TheReadingShownIsCopied) {
  EnterDate(L"1950", L"1", L"7");
  ClickSolarButton();
  PressCtrlC();  // the focus is on the button
  const std::optional<std::wstring> text = ClipboardSeenElsewhere();
  ASSERT_TRUE(text);
  EXPECT_EQ(0u, text->find(L"八字：己丑 丁丑 壬寅\r\n性格总论：性格温和善良")) << Utf8Of(*text);
  EXPECT_NE(std::wstring::npos, text->find(L"，女晚婚或离婚\r\n性欲指数：★☆☆☆☆\r\n")) << Utf8Of(*text);
}

TEST_F(CopyReadingTest, NothingIsCopiedOrSaidBeforeTheFirstReading) {
  FocusOn(Ctl::AgeField);
  PressCtrlC();
  ChooseFromWindowMenu();
  SetTextOf(Ctl::MonthField, L"13");  // a refused date is no reading either
  FocusOn(Ctl::DayField);
  WithBox([] { Type(L"5\r"); });
  PressCtrlC();
  EXPECT_EQ(ClipboardSeenElsewhere(), kSentinel);
  EXPECT_TRUE(OpenBoxes().empty());
}

TEST_F(CopyReadingTest, ASelectionInAnEditFieldIsThatFieldsToCopy) {
  ReadLunar1990_5_12();
  struct Case {
    const char* what;
    Ctl field;
    int from, to;
    const wchar_t* copied;
  };
  const Case kCases[] = {
      {"age field", Ctl::AgeField, 0, -1, L"25"},
      {"year field", Ctl::YearField, 2, 4, L"90"},
      {"month field", Ctl::MonthField, 0, -1, L"5"},
      {"day field", Ctl::DayField, 0, 1, L"1"},
      {"personality memo", Ctl::PersonalityMemo, 0, 2, L"聪明"},
  };
  SetTextOf(Ctl::AgeField, L"25");
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    FocusOn(c.field);
    SendMessageW(Control(c.field), EM_SETSEL, static_cast<WPARAM>(c.from), c.to);
    PressCtrlC();
    EXPECT_EQ(ClipboardSeenElsewhere(), c.copied);
    EXPECT_EQ(Focused(), c.field) << "copying is no typing: the focus stays";
  }
  EXPECT_EQ(TextOf(Ctl::YearField), L"1990");
  EXPECT_EQ(TextOf(Ctl::DayField), L"12");
  SendMessageW(Control(Ctl::AgeField), EM_SETSEL, 1, 1);  // the caret alone is no selection
  FocusOn(Ctl::AgeField);
  SendMessageW(Control(Ctl::AgeField), EM_SETSEL, 1, 1);
  PressCtrlC();
  EXPECT_EQ(ClipboardSeenElsewhere(), kLunar1990_5_12);
}

}  // namespace
}  // namespace tesserin::ui::test
