// The drawn frame and the tray, driven by real mouse input (SendInput) where the user clicks.
#include <windows.h>

#include "FormFixture_win.h"
#include "ui/Frame_win.h"
#include "ui/Form1_win.h"
#include "ui/Tray_win.h"

namespace tesserin::ui::test {
namespace {

// A real left click at a screen point.
void ClickAt(POINT p) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input[3] = {};
  for (INPUT& i : input) i.type = INPUT_MOUSE;
  input[0].mi.dx = static_cast<LONG>((p.x * 65536LL + 32768) / width);
  input[0].mi.dy = static_cast<LONG>((p.y * 65536LL + 32768) / height);
  input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(3, input, sizeof(INPUT));
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Dispatches messages until the condition holds or the input has long been handled; real
// input reaches the queue asynchronously.
template <typename Condition>
bool PumpUntil(Condition done) {
  for (int i = 0; i < 400 && !done(); ++i) {
    FormTest::Pump();
    Sleep(5);
  }
  return done();
}

// Wine without a desktop shell shows the icons in a window of its own, the first icon at
// (13, 32) from its top-left corner (Windows has its task bar instead; this test is for Wine).
HWND FindTrayWindow() {
  HWND tray = FindWindowW(nullptr, L"Wine System Tray");
  return tray && IsWindowVisible(tray) ? tray : nullptr;
}

using FrameTest = FormTest;

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
  ClickAt(Centre(CaptionButtonRect(form, FormDpi(), CaptionButton::Minimise)));
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(form) != FALSE; }));
}

TEST_F(FrameTest, CloseButtonCloses) {
  ClickAt(Centre(CaptionButtonRect(form, FormDpi(), CaptionButton::Close)));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(form); }));
}

TEST_F(FrameTest, TrayButtonHidesBehindAnIconAndAClickOnItBringsTheWindowBack) {
  ClickAt(Centre(CaptionButtonRect(form, FormDpi(), CaptionButton::Tray)));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(form) || IsIconic(form); })) << "hidden or minimised";
  if (!InTray()) {
    EXPECT_TRUE(IsIconic(form)) << "minimised instead";
    GTEST_SKIP() << "no notification area took the icon: the form was minimised instead";
  }
  EXPECT_FALSE(IsWindowVisible(form));

  HWND tray = nullptr;
  if (!PumpUntil([&] { return (tray = FindTrayWindow()) != nullptr; }))
    GTEST_SKIP() << "the icon went to a notification area other than Wine's own window, which this test cannot click";
  RECT r;
  GetWindowRect(tray, &r);
  ClickAt({r.left + 13, r.top + 32});
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(form) != FALSE; })) << "back on a click on the icon";
  EXPECT_FALSE(InTray());
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
