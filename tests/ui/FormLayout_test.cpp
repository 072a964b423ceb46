// The main form as the user sees it: caption, size, pages, every control's class, place,
// size, text, font and colour, the Tab order, and the help page texts byte for byte.
#include <windows.h>

#include <commctrl.h>

#include "FormFixture_win.h"
#include "Version.h"
#include "base/Dpi_win.h"
#include "base/Gbk.h"
#include "ui/Fonts_win.h"
#include "ui/FormState_win.h"
#include "ui/Frame_win.h"
#include "ui/Pages_win.h"
#include "ui/WindowText_win.h"

namespace tesserin::ui::test {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kPurple = RGB(128, 0, 128),
                   kGreen = RGB(0, 128, 0);
constexpr COLORREF kText = CLR_INVALID;  // the system's window-text colour

struct Expected {
  Ctl id;
  const wchar_t* windowClass;
  Page page;
  int x, y, width, height;  // 0 × 0: sized to its text
  const char* text;         // UTF-8
  Family family;
  int pixels;
  bool bold;
  COLORREF ink;
};

// The form as it must be, written out here independently of the form's own table.
const Expected kExpected[] = {
    {Ctl::NicknameLabel, L"Static", Page::Main, 20, 30, 0, 0, "QQ", Family::YaHei, 24, true, kRed},
    {Ctl::BornCaption, L"Static", Page::Main, 140, 15, 0, 0, "出生于：", Family::SongTi, 13, false, kText},
    {Ctl::YearField, L"Edit", Page::Main, 190, 11, 43, 21, "", Family::SongTi, 13, false, kText},
    {Ctl::YearCaption, L"Static", Page::Main, 235, 15, 0, 0, "年", Family::SongTi, 13, false, kText},
    {Ctl::MonthField, L"Edit", Page::Main, 249, 11, 28, 21, "", Family::SongTi, 13, false, kText},
    {Ctl::MonthCaption, L"Static", Page::Main, 278, 15, 0, 0, "月", Family::SongTi, 13, false, kText},
    {Ctl::DayField, L"Edit", Page::Main, 293, 11, 28, 21, "", Family::SongTi, 13, false, kText},
    {Ctl::DayLabel, L"Static", Page::Main, 322, 15, 0, 0, "日(农历)", Family::SongTi, 13, false, kText},
    {Ctl::AgeCaption, L"Static", Page::Main, 416, 15, 0, 0, "年龄", Family::SongTi, 13, false, kText},
    {Ctl::AgeField, L"Edit", Page::Main, 445, 11, 28, 21, "", Family::SongTi, 13, false, kText},
    {Ctl::PillarLine, L"Static", Page::Main, 260, 42, 0, 0, "八字：", Family::SongTi, 16, true, kBlue},
    {Ctl::PersonalityCaption, L"Static", Page::Main, 66, 85, 0, 0, "性格总论：", Family::YaHei, 16, false, kText},
    {Ctl::PersonalityMemo, L"Edit", Page::Main, 150, 67, 353, 51, "", Family::YaHei, 16, true, kPurple},
    {Ctl::LibidoCaption, L"Static", Page::Main, 66, 128, 0, 0, "性欲指数：", Family::YaHei, 16, false, kText},
    {Ctl::LibidoStars, L"Static", Page::Main, 148, 125, 0, 0, " ", Family::SongTi, 24, true, kText},
    {Ctl::DateCaption, L"Static", Page::Main, 66, 169, 0, 0, "可约指数：", Family::YaHei, 16, false, kText},
    {Ctl::DateStars, L"Static", Page::Main, 148, 166, 0, 0, " ", Family::SongTi, 24, true, kRed},
    {Ctl::KindnessCaption, L"Static", Page::Main, 299, 128, 0, 0, "善良指数：", Family::YaHei, 16, false, kText},
    {Ctl::KindnessStars, L"Static", Page::Main, 378, 125, 0, 0, " ", Family::SongTi, 24, true, kText},
    {Ctl::MoneyCaption, L"Static", Page::Main, 299, 169, 0, 0, "要钱指数：", Family::YaHei, 16, false, kText},
    {Ctl::MoneyStars, L"Static", Page::Main, 378, 166, 0, 0, " ", Family::SongTi, 24, true, kText},
    {Ctl::AutoCloseBox, L"Button", Page::Main, 320, 213, 185, 17, "计算后自动关闭QQ资料窗口", Family::SongTi, 13, false, kText},
    {Ctl::SolarButton, L"Button", Page::Main, 201, 247, 126, 25, "按阳历再计算一次", Family::SongTi, 13, false, kText},
    {Ctl::HelpText, L"Static", Page::Help, 19, 13, 478, 160, nullptr, Family::YaHei, 14, false, kBlue},
    {Ctl::NoteText, L"Static", Page::Help, 19, 189, 468, 100, nullptr, Family::YaHei, 14, false, kGreen},
    // The version is the project's own (CMakeLists.txt), so that the window always says the
    // release it belongs to.
    {Ctl::VersionText, L"Static", Page::Help, 19, 305, 0, 0,
     "Tesserin 版本 " TESSERIN_VERSION "，以 MIT 许可证发布，全文见 LICENSE.txt", Family::YaHei, 14, false, kText},
};

std::wstring ClassOf(HWND hwnd) {
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  return name;
}

// The colours the form gives a label or the read-only memo, asked as the control asks.
COLORREF InkOf(HWND control) {
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageW(GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(control));
  COLORREF ink = GetTextColor(dc);
  DeleteDC(dc);
  return ink;
}

using FormLayoutTest = FormTest;

// The pixel figures below are the window's at 96 DPI. In the run at another system DPI (144)
// the tests that hold them are skipped; Dpi_test checks the layout at 144.
constexpr const char* kFiguresAt96 = "the pixel figures are for 96 DPI";

TEST_F(FormLayoutTest, WindowCaptionSizePlaceAndFrame) {
  EXPECT_EQ(WindowText(form), L"Tesserin");
  if (FormDpi() != 96u) GTEST_SKIP() << kFiguresAt96;
  RECT client;
  GetClientRect(form, &client);
  EXPECT_EQ(client.right, 527);
  EXPECT_EQ(client.bottom, 362);

  RECT w;
  GetWindowRect(form, &w);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_NEAR(w.left + (w.right - w.left) / 2, screenWidth / 2, 1) << "centred across";
  EXPECT_NEAR(w.top + (w.bottom - w.top) / 2, screenHeight / 2, 1) << "centred down";

  const LONG style = GetWindowLongW(form, GWL_STYLE);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  HMENU menu = GetSystemMenu(form, FALSE);
  EXPECT_EQ(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1)) << "no maximise entry";
  EXPECT_NE(GetMenuState(menu, kSysCommandTray, MF_BYCOMMAND), static_cast<UINT>(-1)) << "tray entry";
}

TEST_F(FormLayoutTest, PageControlFillsTheClientAreaWithThreePages) {
  if (FormDpi() != 96u) GTEST_SKIP() << kFiguresAt96;
  HWND tab = Form1State().pageControl;
  EXPECT_EQ(ClassOf(tab), WC_TABCONTROLW);
  RECT r = RectInParent(tab);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, 527);
  EXPECT_EQ(r.bottom, 362);
  ASSERT_EQ(TabCtrl_GetItemCount(tab), 3);
  const wchar_t* captions[] = {L"主界面", L"说明", L"记录"};
  for (int i = 0; i < 3; ++i) {
    wchar_t text[32] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 32;
    TabCtrl_GetItem(tab, i, &item);
    EXPECT_STREQ(text, captions[i]);
  }
  EXPECT_EQ(TabCtrl_GetCurSel(tab), 0);
  EXPECT_TRUE(IsWindowVisible(TabSheet(Page::Main)));
  EXPECT_FALSE(IsWindowVisible(TabSheet(Page::Help)));
  EXPECT_FALSE(IsWindowVisible(TabSheet(Page::Record)));
}

TEST_F(FormLayoutTest, EveryControlHasItsClassPlaceSizeTextFontAndColour) {
  if (FormDpi() != 96u) GTEST_SKIP() << kFiguresAt96;
  const std::wstring faces[] = {ResolveFamily(Family::SongTi), ResolveFamily(Family::YaHei)};
  for (const Expected& e : kExpected) {
    SCOPED_TRACE(Utf8Of(std::wstring(SpecOf(e.id).name)));
    HWND control = Control(e.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(ClassOf(control), e.windowClass);
    EXPECT_EQ(GetParent(control), TabSheet(e.page));
    const RECT r = RectInParent(control);
    EXPECT_EQ(r.left, e.x);
    EXPECT_EQ(r.top, e.y);
    if (e.width) {
      EXPECT_EQ(r.right - r.left, e.width);
      EXPECT_EQ(r.bottom - r.top, e.height);
    } else {  // sized to the text: wide and high enough for it, and no wider
      HDC dc = GetDC(control);
      HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
      const std::wstring text = WindowText(control);
      SIZE extent;
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
      SelectObject(dc, old);
      ReleaseDC(control, dc);
      EXPECT_GE(r.right - r.left, extent.cx);
      EXPECT_LE(r.right - r.left, extent.cx + e.pixels / 2) << "room for a glyph's overhang, no more";
      EXPECT_GE(r.bottom - r.top, extent.cy);
    }
    if (e.text) {
      EXPECT_EQ(Utf8Of(WindowText(control)), e.text);
    }

    LOGFONTW font{};
    ASSERT_TRUE(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font));
    EXPECT_EQ(font.lfHeight, -e.pixels);
    EXPECT_EQ(font.lfWeight, e.bold ? FW_BOLD : FW_NORMAL);
    EXPECT_EQ(std::wstring(font.lfFaceName), faces[static_cast<int>(e.family)]);

    const bool asksStaticColours = std::wstring(e.windowClass) == L"Static" || e.id == Ctl::PersonalityMemo;
    if (asksStaticColours) {
      EXPECT_EQ(InkOf(control), e.ink == kText ? GetSysColor(COLOR_WINDOWTEXT) : e.ink);
    }
  }
}

TEST_F(FormLayoutTest, ThePersonalityMemoIsReadOnlyWithAFlatBorder) {
  HWND memo = Control(Ctl::PersonalityMemo);
  const LONG style = GetWindowLongW(memo, GWL_STYLE);
  EXPECT_TRUE(style & ES_READONLY);
  EXPECT_TRUE(style & ES_MULTILINE);
  // The edit control takes WS_BORDER over and draws the line itself; no 3-D edge either way.
  EXPECT_FALSE(GetWindowLongW(memo, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
}

TEST_F(FormLayoutTest, TabVisitsTheControlsInOrder) {
  FocusOn(Ctl::AgeField);
  const Ctl order[] = {Ctl::SolarButton, Ctl::YearField, Ctl::MonthField, Ctl::DayField, Ctl::AutoCloseBox, Ctl::PersonalityMemo};
  for (Ctl next : order) {
    Type(L"\t");
    EXPECT_EQ(Focused(), next) << "expected " << Utf8Of(std::wstring(SpecOf(next).name));
  }
  Type(L"\t");
  EXPECT_EQ(GetFocus(), Form1State().pageControl) << "after Memo1 the page tabs";
  Type(L"\t");
  EXPECT_EQ(Focused(), Ctl::AgeField) << "and round again";
}

TEST_F(FormLayoutTest, HelpPageShowsBothTextsByteForByte) {
  ShowPage(Page::Help);
  Pump();
  EXPECT_TRUE(IsWindowVisible(Control(Ctl::HelpText)));
  EXPECT_FALSE(IsWindowVisible(Control(Ctl::YearField)));

  const char* helpLines[] = {
      "1、所有自动的计算都是按照默认为女性，且以阴历(农历)为准的；",
      "2、当按农历日期出错(比如31日)时，自动按照公历计算；",
      "3、QQ资料上的年龄若超过100岁，或者小于10岁的，无意义，计算会出错；",
      "4、有时对日期可能会识别错误。若错误太多请与作者联系；",
      "5、电脑日期必须是真实日期，因为QQ资料上没有出生年，必须靠日期减年龄",
      "6、可约指数即成功率大小。为5星只表示可能性高，也未必肯定约到；",
      "7、要钱指数，是指如果她和你约啪，更可能只是为了钱而已；",
      "8、善良指数，星越多代表越善良，很重要哦，是坏人就要提防仙人跳了；",
  };
  std::string help;
  for (const char* line : helpLines) help += (help.empty() ? "" : "\r\n") + Gbk(line);
  const std::string note = Gbk("注意：") + "\r\n" + Gbk("1、可以不用自动识别模式，自己手动输入年月日进行测算。") +
                           "\r\n" + Gbk("2、手动输入后，在输入完日期时，按回车，则自动按照农历日期计算；") +
                           "\r\n" + Gbk("3、手动输入后，如果按照公历计算，可以点击下面的") + "\"" +
                           Gbk("按照阳历再计算一次") + "\"" + "\r\n ";
  EXPECT_EQ(GbkFromWide(WindowText(Control(Ctl::HelpText))), help);
  EXPECT_EQ(GbkFromWide(WindowText(Control(Ctl::NoteText))), note);
  EXPECT_EQ(InkOf(Control(Ctl::HelpText)), kBlue);
  EXPECT_TRUE(IsWindowVisible(Control(Ctl::VersionText)));
  EXPECT_EQ(Utf8Of(WindowText(Control(Ctl::VersionText))), "Tesserin 版本 " TESSERIN_VERSION "，以 MIT 许可证发布，全文见 LICENSE.txt");
  {
    // Whole on the page: the line ends inside it, not below its lower edge.
    RECT page, line;
    GetClientRect(TabSheet(Page::Help), &page);
    line = RectInParent(Control(Ctl::VersionText));
    EXPECT_LE(line.bottom, page.bottom);
    EXPECT_LE(line.right, page.right);
  }

  // The page lies on the system menu colour.
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageW(TabSheet(Page::Help), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(Control(Ctl::NoteText)));
  EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_MENU));
  DeleteDC(dc);

  ShowPage(Page::Main);
  EXPECT_FALSE(IsWindowVisible(Control(Ctl::HelpText)));
}

TEST_F(FormLayoutTest, TheWatchersTimerRunsFromTheStart) {
  EXPECT_TRUE(KillTimer(form, kWatcherTimerId)) << "the watcher's timer exists";
  SetTimer(form, kWatcherTimerId, kWatcherTimerInterval, nullptr);
}

}  // namespace
}  // namespace tesserin::ui::test
