// The drawn frame and the tray, driven by real mouse input (SendInput) where the user clicks.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "ClipboardReading_win.h"
#include "FormFixture_win.h"
#include "base/Gbk.h"
#include "ui/Clipboard_win.h"
#include "ui/FormState_win.h"
#include "ui/Frame_win.h"
#include "ui/ReadingBinding_win.h"
#include "ui/Tray_win.h"

namespace tesserin::ui::test {
namespace {

// Wine without a desktop shell shows the icons in a window of its own, the first icon at
// (13, 32) from its top-left corner (Windows has its task bar instead; this test is for Wine).
HWND FindTrayWindow() {
  HWND tray = FindWindowW(nullptr, L"Wine System Tray");
  return tray && IsWindowVisible(tray) ? tray : nullptr;
}

// The text of the visible tooltip that the form owns, or "" when none shows.
std::wstring VisibleTooltipText(HWND form) {
  for (HWND w = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); w;
       w = FindWindowExW(nullptr, w, TOOLTIPS_CLASSW, nullptr)) {
    if (!IsWindowVisible(w) || GetWindow(w, GW_OWNER) != form) continue;
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.lpszText = text;
    if (SendMessageW(w, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool))) {
      tool.lpszText = text;
      SendMessageW(w, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
      return text;
    }
  }
  return L"";
}

// What the tray icon's menu showed while it was open.
struct TrayMenuSeen {
  bool open = false;
  std::vector<std::wstring> items;
  UINT defaultItem = static_cast<UINT>(-1);
  bool copyEnabled = false;
};
TrayMenuSeen* menuSeen = nullptr;
int menuChoice = -1;

HWND OpenMenuWindow() {
  for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w;
       w = FindWindowExW(nullptr, w, L"#32768", nullptr))
    if (IsWindowVisible(w)) return w;
  return nullptr;
}

// Runs inside the menu's own modal loop: reads the open menu, then clicks the chosen item with
// the mouse.
void CALLBACK ReadMenuAndChoose(HWND, UINT, UINT_PTR id, DWORD) {
  HWND window = OpenMenuWindow();
  if (!window || !menuSeen) return;
  KillTimer(nullptr, id);
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
  menuSeen->open = true;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
    menuSeen->items.push_back(text);
  }
  menuSeen->defaultItem = GetMenuDefaultItem(menu, TRUE, 0);
  menuSeen->copyEnabled = !(GetMenuState(menu, 1, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
  RECT item{};
  GetMenuItemRect(nullptr, menu, static_cast<UINT>(menuChoice), &item);
  MouseAt(Centre(item));
}

using FrameTest = FormTest;

// A right click on the tray icon, as the icon tells the form of it; the menu that opens is
// read, and the item at `choose` clicked.
TrayMenuSeen RightClickTrayIcon(HWND form, int choose) {
  TrayMenuSeen seen;
  menuSeen = &seen;
  menuChoice = choose;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, ReadMenuAndChoose);
  SendMessageW(form, kTrayMessage, kTrayIconId, WM_RBUTTONUP);
  KillTimer(nullptr, timer);
  menuSeen = nullptr;
  FormTest::Pump();
  return seen;
}

TEST_F(FrameTest, CaptionButtonsHitTestAsTheirKinds) {
  struct Case {
    const char* what;
    CaptionButton button;
    LRESULT hit;
  };
  const Case cases[] = {{"close", CaptionButton::Close, HTCLOSE},
                        {"minimise", CaptionButton::Minimise, HTMINBUTTON},
                        {"tray", CaptionButton::Tray, HTBORDER}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const POINT p = Centre(CaptionButtonRect(form, FormDpi(), c.button));
    EXPECT_EQ(SendMessageW(form, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), c.hit);
  }
  RECT w;
  GetWindowRect(form, &w);
  EXPECT_EQ(SendMessageW(form, WM_NCHITTEST, 0, MAKELPARAM(w.left + 100, w.top + 10)), HTCAPTION);
  EXPECT_EQ(SendMessageW(form, WM_NCHITTEST, 0, MAKELPARAM(w.left + 100, w.top + 100)), HTCLIENT);
}

TEST_F(FrameTest, MinimiseButtonMinimises) {
  MouseAt(Centre(CaptionButtonRect(form, FormDpi(), CaptionButton::Minimise)));
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(form) != FALSE; }));
}

TEST_F(FrameTest, CloseButtonCloses) {
  MouseAt(Centre(CaptionButtonRect(form, FormDpi(), CaptionButton::Close)));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(form); }));
}

TEST_F(FrameTest, TrayButtonHidesBehindAnIconAndAClickOnItBringsTheWindowBack) {
  MouseAt(Centre(CaptionButtonRect(form, FormDpi(), CaptionButton::Tray)));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(form) || IsIconic(form); })) << "hidden or minimised";
  if (!Form1State().tray.inTray) {
    EXPECT_TRUE(IsIconic(form)) << "minimised instead";
    GTEST_SKIP() << "no notification area took the icon: the form was minimised instead";
  }
  EXPECT_FALSE(IsWindowVisible(form));

  HWND tray = nullptr;
  if (!PumpUntil([&] { return (tray = FindTrayWindow()) != nullptr; }))
    GTEST_SKIP() << "the icon went to a notification area other than Wine's own window, which this test cannot click";
  RECT r;
  GetWindowRect(tray, &r);
  MouseAt({r.left + 13, r.top + 32});
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(form) != FALSE; })) << "back on a click on the icon";
  EXPECT_FALSE(Form1State().tray.inTray);
}

TEST_F(FrameTest, TheTrayIconsMenuShowsTheWindowCopiesTheReadingAndQuits) {
  const std::vector<std::wstring> kItems = {L"显示窗口", L"复制结果", L"", L"退出"};
  SendMessageW(form, WM_SYSCOMMAND, kSysCommandTray, 0);
  Pump();
  TrayMenuSeen seen = RightClickTrayIcon(form, 0);
  ASSERT_TRUE(seen.open);
  EXPECT_EQ(kItems, seen.items);
  EXPECT_EQ(0u, seen.defaultItem) << "显示窗口 is the default item";
  EXPECT_FALSE(seen.copyEnabled) << "nothing to copy before the first reading";
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(form) && !IsIconic(form); })) << "显示窗口";

  FocusOn(Ctl::YearField);
  Type(L"1990512\r");
  PutClipboardText(form, L"put there by the test");
  seen = RightClickTrayIcon(form, 1);
  EXPECT_TRUE(seen.copyEnabled);
  EXPECT_TRUE(PumpUntil([&] {
    return testing::ClipboardText().value_or(L"").rfind(L"八字：庚午 辛巳 庚子\r\n", 0) == 0;
  })) << "复制结果";

  RightClickTrayIcon(form, 3);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(form); })) << "退出";
}

TEST_F(FrameTest, TheWindowMenuAndTheTrayMenuOfferTheCopyAlikeOnlyWithAReadingShown) {
  struct Step {
    const char* what;
    std::function<void(FrameTest&)> run;
    bool copyable;
  };
  // The date of `year` read with the solar button; a refused one's notice box closed with OK.
  auto readBy = [](const wchar_t* year, bool refused) {
    return [=](FrameTest& t) {
      EnterDate(year, L"5", L"12");
      if (refused) t.WithBox(ClickSolarButton);
      else ClickSolarButton();
    };
  };
  const Step kSteps[] = {
      {"at start", [](FrameTest&) {}, false},
      {"a reading", readBy(L"1990", false), true},
      {"a refused date", readBy(L"2030", true), false},
      {"a reading again", readBy(L"1990", false), true},
      {"an unreadable profile", [](FrameTest&) {
         ShowProfileFound(Gbk("小明"));
         ShowUnreadableProfile(Gbk("抱歉"));
       }, false},
  };
  for (const Step& step : kSteps) {
    SCOPED_TRACE(step.what);
    step.run(*this);
    const UINT state = GetMenuState(GetSystemMenu(form, FALSE), kSysCommandCopyReading, MF_BYCOMMAND);
    ASSERT_NE(state, static_cast<UINT>(-1));
    EXPECT_EQ(!(state & (MF_GRAYED | MF_DISABLED)), step.copyable) << "the window menu";
    const TrayMenuSeen seen = RightClickTrayIcon(form, 0);
    ASSERT_TRUE(seen.open);
    EXPECT_EQ(seen.copyEnabled, step.copyable) << "the tray icon's menu";
  }
}

TEST_F(FrameTest, CaptionButtonsNameThemselvesInATooltip) {
  struct Case {
    const char* what;
    CaptionButton button;
    const wchar_t* tip;
  };
  const Case cases[] = {{"tray", CaptionButton::Tray, L"最小化到托盘"},
                        {"minimise", CaptionButton::Minimise, L"最小化"},
                        {"close", CaptionButton::Close, L"关闭"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MouseAt(Centre(CaptionButtonRect(form, FormDpi(), c.button)), MouseButton::kNoClick);
    std::wstring shown;
    EXPECT_TRUE(PumpUntil([&] {
      shown = VisibleTooltipText(form);
      return shown == c.tip;
    })) << Utf8Of(shown);
  }
  RECT w;
  GetWindowRect(form, &w);
  MouseAt({w.left + 100, w.top + 100}, MouseButton::kNoClick);
  EXPECT_TRUE(PumpUntil([&] { return VisibleTooltipText(form).empty(); })) << "gone off the buttons";
}

TEST_F(FrameTest, WindowMenuOffersTheTrayToo) {
  SendMessageW(form, WM_SYSCOMMAND, kSysCommandTray, 0);
  Pump();
  EXPECT_FALSE(IsWindowVisible(form));
  SendMessageW(form, kTrayMessage, kTrayIconId, WM_LBUTTONUP);
  Pump();
  EXPECT_TRUE(IsWindowVisible(form));
  SendMessageW(form, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_FALSE(IsZoomed(form)) << "never maximised";
}

}  // namespace
}  // namespace tesserin::ui::test
