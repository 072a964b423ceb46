// The Win32 window-system operations of the watcher, on stand-in windows of another process.
#include "watcher/WindowSystem_win.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "base/User32_win.h"
#include "watcher/ProfileTitle.h"
#include "e2e/Desktop_win.h"

namespace tesserin {
namespace {

using e2e::Process;
using e2e::TextOf;
using e2e::TopWindowOf;
using e2e::WaitFor;

HWND TitledWindowOf(const Process& process, const wchar_t* className, const std::wstring& title) {
  HWND window = nullptr;
  WaitFor([&] {
    window = TopWindowOf(process.Id(), className);
    return window && TextOf(window) == title;
  });
  return window;
}

// The position of a window in the list from the top of the Z order, or -1.
int WalkPosition(Win32WindowSystem& windows, WindowHandle wanted) {
  int position = 0;
  for (WindowHandle w : windows.TopLevelWindows()) {
    if (w == wanted) return position;
    ++position;
  }
  return -1;
}

// The Z order from the top as a walk with GetWindow sees it.
std::vector<WindowHandle> GetWindowWalk() {
  std::vector<WindowHandle> walked;
  for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    walked.push_back(FromHwnd(w));
  return walked;
}

TEST(Win32WindowSystem, FindsAProfileWindowByItsCodePage936TitleAndClass) {
  struct Case {
    const char* what;
    const wchar_t* nickname;
    const char* utf8Title;
  };
  const Case cases[] = {
      {"Chinese nickname", L"小明", "小明的资料"},
      {"ASCII nickname", L"Abc", "Abc的资料"},
      {"character outside code page 936", L"\u0E01x", "?x的资料"},
  };
  Win32WindowSystem windows;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::wstring title = std::wstring(c.nickname) + L"的资料";
    Process standIn(TESSERIN_STANDIN_EXE, L"--nickname " + std::wstring(c.nickname));
    HWND window = TitledWindowOf(standIn, L"TxGuiFoundation", title);
    ASSERT_TRUE(window);
    WindowHandle handle = FromHwnd(window);
    EXPECT_LE(0, WalkPosition(windows, handle)) << "walk from the top of the Z order";
    WindowTitle read = windows.Title(handle);
    EXPECT_EQ(Gbk(c.utf8Title), read.text);
    EXPECT_TRUE(IsProfileTitle(read.text));
    EXPECT_EQ(handle, windows.FindByClassAndTitle(kProfileWindowClass, read));
    EXPECT_EQ(kNoWindow, windows.FindByClassAndTitle("Other", read));
  }
}

TEST(Win32WindowSystem, ANewerWindowComesEarlierInTheWalk) {
  Win32WindowSystem windows;
  Process older(TESSERIN_STANDIN_EXE, L"--nickname 旧");
  HWND first = TitledWindowOf(older, L"TxGuiFoundation", L"旧的资料");
  Process newer(TESSERIN_STANDIN_EXE, L"--nickname 新");
  HWND second = TitledWindowOf(newer, L"TxGuiFoundation", L"新的资料");
  ASSERT_TRUE(first && second);
  EXPECT_LT(WalkPosition(windows, FromHwnd(second)), WalkPosition(windows, FromHwnd(first)));
}

TEST(Win32WindowSystem, TheListIsTheZOrderFromTheTopHiddenWindowsIncluded) {
  Win32WindowSystem windows;
  Process standIn(TESSERIN_STANDIN_EXE, L"--nickname 庚");
  ASSERT_TRUE(TitledWindowOf(standIn, L"TxGuiFoundation", L"庚的资料"));
  HWND hidden = CreateWindowExW(0, L"STATIC", L"隐藏", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(hidden);
  ASSERT_FALSE(IsWindowVisible(hidden));
  // Compared only while nothing moves: the same walk before and after the list.
  bool compared = false;
  for (int attempt = 0; attempt < 20 && !compared; ++attempt) {
    const std::vector<WindowHandle> before = GetWindowWalk();
    const std::vector<WindowHandle> listed = windows.TopLevelWindows();
    if (GetWindowWalk() != before) continue;
    compared = true;
    EXPECT_EQ(before, listed);
  }
  EXPECT_TRUE(compared) << "the Z order never stood still";
  EXPECT_LE(0, WalkPosition(windows, FromHwnd(hidden)));
  DestroyWindow(hidden);
  EXPECT_EQ(-1, WalkPosition(windows, FromHwnd(hidden))) << "gone from the next list";
}

TEST(Win32WindowSystem, RectanglePointOwnerAndExistenceFollowTheWindow) {
  Win32WindowSystem windows;
  Process standIn(TESSERIN_STANDIN_EXE, L"--nickname 戊 --at 40,60");
  HWND window = TitledWindowOf(standIn, L"TxGuiFoundation", L"戊的资料");
  ASSERT_TRUE(window);
  WindowHandle handle = FromHwnd(window);
  std::optional<ScreenRect> bounds = windows.Bounds(handle);
  ASSERT_TRUE(bounds);
  EXPECT_EQ(40, bounds->left);
  EXPECT_EQ(60, bounds->top);
  EXPECT_EQ(340, bounds->right);
  EXPECT_EQ((ScreenPoint{40, 60}), windows.ClientOrigin(handle)) << "a popup: no frame";
  EXPECT_TRUE(windows.Exists(handle));
  EXPECT_EQ(handle, windows.TopLevelAt({bounds->right - 21, bounds->top + 13}));
  EXPECT_NE(handle, windows.TopLevelAt({bounds->right + 5, bounds->top + 13}));

  standIn.Kill();
  ASSERT_TRUE(WaitFor([&] { return !windows.Exists(handle); }));
  EXPECT_FALSE(windows.Bounds(handle));
  EXPECT_FALSE(windows.ClientOrigin(handle));
  EXPECT_EQ(-1, WalkPosition(windows, handle));
  EXPECT_TRUE(windows.Title(handle).text.empty());
}

TEST(Win32WindowSystem, AClickThroughWindowIsPassedOverAtItsPointsAndAnOrdinaryOneIsNot) {
  Win32WindowSystem windows;
  Process standIn(TESSERIN_STANDIN_EXE, L"--nickname 壬 --at 40,60");
  HWND window = TitledWindowOf(standIn, L"TxGuiFoundation", L"壬的资料");
  ASSERT_TRUE(window);
  struct Case {
    const char* what;
    const wchar_t* options;
    bool passedOver;
  };
  const Case cases[] = {
      {"click-through", L"--click-through", true},
      {"ordinary", L"", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Process over(TESSERIN_STANDIN_EXE, L"--nickname 上 --class Other --at 100,400 --size 50,50 " +
                                           std::wstring(c.options));
    HWND overWindow = TitledWindowOf(over, L"Other", L"上的资料");
    ASSERT_TRUE(overWindow);
    const HWND expected = c.passedOver ? window : overWindow;
    EXPECT_EQ(FromHwnd(expected), windows.TopLevelAt({120, 420}));
  }
}

TEST(Win32WindowSystem, TheMonitorsAreTheScreen) {
  // Xvfb's one screen.
  Win32WindowSystem windows;
  EXPECT_EQ((std::vector<ScreenRect>{{0, 0, 1280, 1024}}), windows.Monitors());
}

TEST(Win32WindowSystem, TheClickClosesTheStandInAndThePointerIsBackWhenItReturns) {
  Win32WindowSystem windows;
  Process standIn(TESSERIN_STANDIN_EXE, L"--nickname 己 --at 40,60");
  HWND window = TitledWindowOf(standIn, L"TxGuiFoundation", L"己的资料");
  ASSERT_TRUE(window);
  SetCursorPos(5, 7);
  EXPECT_TRUE(windows.ClickAndReturn(FromHwnd(window), {319, 73}, {5, 7}));
  // The return is the last of the queued events, so nothing can leave the pointer on the
  // button; under load Wine may take the queue a moment after SendInput has returned.
  EXPECT_TRUE(WaitFor([&] { return windows.Cursor() == ScreenPoint{5, 7}; }, 1000))
      << "the return came with the click";
  EXPECT_TRUE(WaitFor([&] { return !standIn.Running(); }));
}

TEST(Win32WindowSystem, NoInputIsSentWhenTheWindowDoesNotOwnThePoint) {
  Win32WindowSystem windows;
  Process standIn(TESSERIN_STANDIN_EXE, L"--nickname 庚 --at 40,60");
  HWND window = TitledWindowOf(standIn, L"TxGuiFoundation", L"庚的资料");
  ASSERT_TRUE(window);
  SetCursorPos(5, 7);
  struct Case {
    const char* what;
    WindowHandle window;
    ScreenPoint at;
  };
  const Case cases[] = {
      {"a point beside the window", FromHwnd(window), {345, 73}},
      {"a window that is not the one there", FromHwnd(GetDesktopWindow()), {319, 73}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(windows.ClickAndReturn(c.window, c.at, {5, 7}));
  }
  e2e::Pause(300);
  EXPECT_TRUE(standIn.Running());
  EXPECT_EQ((ScreenPoint{5, 7}), windows.Cursor());
}

// Runs the thread's messages (the pointer watch is a thread timer) for a while.
void PumpFor(int ms) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < end) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(10);
  }
}

TEST(Win32WindowSystem, ThePointerWatchPutsBackAPointerKeptOnTheClickPointButNotAMovedOne) {
  Win32WindowSystem windows;
  struct Case {
    const char* what;
    POINT after;  // where the pointer is found after the click
    ScreenPoint expected;
  };
  const Case cases[] = {
      {"kept on the click point", {319, 73}, {5, 7}},
      {"moved by the user", {600, 500}, {600, 500}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetCursorPos(5, 7);
    windows.KeepPointerBack({319, 73}, {5, 7});
    SetCursorPos(c.after.x, c.after.y);
    PumpFor(400);
    EXPECT_EQ(c.expected, windows.Cursor());
  }
  // Once the watch is over, the click point is left alone.
  windows.KeepPointerBack({319, 73}, {5, 7});
  PumpFor(1300);
  SetCursorPos(319, 73);
  PumpFor(300);
  EXPECT_EQ((ScreenPoint{319, 73}), windows.Cursor());
}

TEST(Win32WindowSystem, AWindowsDpiIsEnteredAndLeft) {
  Win32WindowSystem windows;
  Process standIn(TESSERIN_STANDIN_EXE, L"--nickname 辛 --at 40,60");
  HWND window = TitledWindowOf(standIn, L"TxGuiFoundation", L"辛的资料");
  ASSERT_TRUE(window);
  using Equal = BOOL(WINAPI*)(DpiAwareness, DpiAwareness);
  auto equal = User32Function<Equal>("AreDpiAwarenessContextsEqual");
  if (!equal || !WindowDpiAwareness(window)) GTEST_SKIP() << "no DPI awareness contexts here";
  DpiAwareness before = ThreadDpiAwareness();
  windows.EnterWindowDpi(FromHwnd(window));
  EXPECT_TRUE(equal(ThreadDpiAwareness(), WindowDpiAwareness(window)));
  windows.EnterWindowDpi(FromHwnd(window));
  windows.LeaveWindowDpi();
  windows.LeaveWindowDpi();
  EXPECT_TRUE(equal(ThreadDpiAwareness(), before));
}

}  // namespace
}  // namespace tesserin
