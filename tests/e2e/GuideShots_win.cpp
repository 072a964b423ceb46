// Not a test: drives tesserin.exe and the stand-in profile window through the scenes of the
// user guide, for scripts/take-screenshots. For each scene it prints
//   SHOT NAME LEFT TOP RIGHT BOTTOM
// (the screen rectangle to capture) and waits for a line on standard input before it goes on.
// Everything is waited for by the texts of the window's controls, not by time.
//
//   guide_shots TESSERIN_EXE STANDIN_EXE      (paths as Linux sees them)
// Exit code 0 when every scene was shown, 1 with a line "FAIL ..." otherwise.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "e2e/Desktop_win.h"
#include "form/Layout.h"
#include "form/MenuCommands.h"
#include "ui/FormState_win.h"

namespace {

using namespace tesserin;
using e2e::PressKeys;
using e2e::Process;
using e2e::TextOf;
using e2e::WaitFor;
using ui::Ctl;

const std::wstring kUnreadable = L"抱歉：没有识别出来，或者年龄大于100岁或者小于10岁，无意义";

[[noreturn]] void Fail(const char* what) {
  std::printf("FAIL %s\n", what);
  std::fflush(stdout);
  std::exit(1);
}

void Require(bool held, const char* what) {
  if (!held) Fail(what);
}

RECT Union(RECT a, RECT b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

RECT RectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// Lets the windows finish painting, then asks for the picture and waits until it is taken.
void Shot(const char* name, RECT r) {
  Sleep(700);
  std::printf("SHOT %s %ld %ld %ld %ld\n", name, r.left, r.top, r.right, r.bottom);
  std::fflush(stdout);
  char answer[64];
  Require(std::fgets(answer, sizeof answer, stdin) != nullptr, "no answer to SHOT");
}

void Click(POINT p) { e2e::MouseAt(p); }

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

// The row, from the window's top, of the lowest etched separator of a menu window (a line of
// the shadow colour over one of the highlight colour), read down a column clear of the items'
// texts; -1 when there is none. The window is another process's: its pixels are copied.
int LowestSeparatorRow(HWND menu) {
  const RECT r = RectOf(menu);
  const int height = r.bottom - r.top, column = r.right - r.left - 12;
  if (height <= 0 || column <= 0) return -1;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 1, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  HDC source = GetWindowDC(menu);
  BitBlt(memory, 0, 0, 1, height, source, column, 0, SRCCOPY);
  ReleaseDC(menu, source);
  GdiFlush();
  const auto* pixels = static_cast<const DWORD*>(bits);
  auto colour = [&](int y) { return RGB((pixels[y] >> 16) & 0xFF, (pixels[y] >> 8) & 0xFF, pixels[y] & 0xFF); };
  int found = -1;
  for (int y = height - 2; y >= 0 && found < 0; --y)
    if (colour(y) == GetSysColor(COLOR_BTNSHADOW) && colour(y + 1) == GetSysColor(COLOR_BTNHIGHLIGHT)) found = y;
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return found;
}

class Scenes {
 public:
  Scenes(const char* tesserin, const char* standIn) : standInExe_(standIn) {
    tesserin_ = std::make_unique<Process>(tesserin, L"");
    Require(tesserin_->Started(), "tesserin.exe did not start");
    Require(WaitFor([&] {
              form_ = e2e::TopWindowOf(tesserin_->Id(), L"TForm1");
              return form_ && IsWindowVisible(form_) && Control(Ctl::AgeField);
            }, 30000),
            "no main window");
  }

  void Run() {
    TypedDate();
    WindowMenu();
    HelpPage();
    TrayMenu();
    ProfileRead();
    ProfileUnreadable();
    RecordPage();
  }

 private:
  HWND Control(Ctl id) { return e2e::ControlById(form_, ui::kFirstControlId + static_cast<int>(id)); }
  std::wstring Field(Ctl id) { return TextOf(Control(id)); }
  void SetField(Ctl id, const wchar_t* text) {
    SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }
  bool FieldIs(Ctl id, const std::wstring& text) { return Field(id) == text; }

  // A click on an empty spot of the page brings the window to the front.
  void Activate() {
    RECT r = RectOf(form_);
    Click({r.left + 12, r.bottom - 12});
    WaitFor([&] { return GetForegroundWindow() == form_; }, 3000);
  }

  // Enter in the day field, as typed: the key passes the program's own message loop.
  void EnterInDayField() {
    HWND day = Control(Ctl::DayField);
    PostMessageW(day, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(day, WM_KEYUP, VK_RETURN, 1 | (LPARAM{3} << 30));
  }

  HWND OpenMenu() {
    HWND found = nullptr;
    for (HWND w = GetTopWindow(nullptr); w && !found; w = GetWindow(w, GW_HWNDNEXT)) {
      wchar_t name[16] = {};
      GetClassNameW(w, name, 16);
      if (std::wstring(name) == L"#32768" && IsWindowVisible(w)) found = w;
    }
    return found;
  }

  // A stand-in profile window right beside the main window, its date row about halfway down
  // the main window.
  HWND StandIn(const std::wstring& options) {
    RECT r = RectOf(form_);
    const long top = std::max(0L, r.top - 150);
    standIn_ = std::make_unique<Process>(
        standInExe_, options + L" --at " + std::to_wstring(r.right) + L"," + std::to_wstring(top));
    HWND window = nullptr;
    Require(WaitFor([&] {
              window = e2e::TopWindowOf(standIn_->Id(), L"TxGuiFoundation");
              return window && IsWindowVisible(window);
            }, 30000),
            "no stand-in profile window");
    return window;
  }

  void TypedDate() {
    Activate();
    SetField(Ctl::YearField, L"1990");
    SetField(Ctl::MonthField, L"5");
    SetField(Ctl::DayField, L"12");
    SendMessageW(form_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(Ctl::DayField)), TRUE);
    SendMessageW(Control(Ctl::DayField), EM_SETSEL, 2, 2);  // the caret after the digits, as typed
    EnterInDayField();
    Require(WaitFor([&] { return FieldIs(Ctl::PillarLine, L"八字：庚午 辛巳 庚子"); }), "no lunar reading");
    Shot("reading", RectOf(form_));
  }

  // The main window and the part of the profile window beside it.
  RECT BesideForm(HWND profile) {
    RECT r = RectOf(form_);
    r.right = RectOf(profile).right;
    return r;
  }

  void ProfileRead() {
    HWND profile = StandIn(L"--nickname 小红 --age 25 --month 3 --day 14");
    Require(WaitFor([&] {
              return FieldIs(Ctl::NicknameLabel, L"小红") && FieldIs(Ctl::AgeField, L"25") &&
                     !FieldIs(Ctl::PillarLine, L"八字：庚午 辛巳 庚子") && !FieldIs(Ctl::PersonalityMemo, L"");
            }, 20000),
            "the profile was not read");
    Shot("profile", BesideForm(profile));
    standIn_.reset();
  }

  void ProfileUnreadable() {
    HWND profile = StandIn(L"--nickname 小兰 --blank");
    Require(WaitFor([&] { return FieldIs(Ctl::NicknameLabel, L"小兰") && FieldIs(Ctl::PersonalityMemo, kUnreadable); }, 30000),
            "no message for the unreadable profile");
    Shot("unreadable", BesideForm(profile));
    standIn_.reset();
  }

  HWND Sheet(const wchar_t* name) { return FindWindowExW(form_, nullptr, L"TTabSheet", name); }

  // Opens a page by a click on its tab, whose exact place depends on the font: a few points
  // along the tab row from `fromX`. Returns the tab control's rectangle.
  RECT OpenPage(HWND sheet, int fromX) {
    Activate();
    HWND tabs = FindWindowExW(form_, nullptr, WC_TABCONTROLW, nullptr);
    Require(tabs && sheet, "no tab control");
    const RECT r = RectOf(tabs);
    for (int x = fromX; x <= fromX + 60 && !IsWindowVisible(sheet); x += 10) {
      Click({r.left + x, r.top + 10});
      WaitFor([&] { return IsWindowVisible(sheet) != FALSE; }, 1500);
    }
    Require(IsWindowVisible(sheet), "the page did not open");
    return r;
  }

  void BackToMainPage(HWND sheet, const RECT& tabs) {
    Click({tabs.left + 20, tabs.top + 10});
    Require(WaitFor([&] { return !IsWindowVisible(sheet); }), "the main page did not come back");
  }

  void HelpPage() {
    HWND help = Sheet(L"TabSheet4");
    const RECT tabs = OpenPage(help, 60);
    Shot("help", RectOf(form_));
    BackToMainPage(help, tabs);
  }

  // The record after the scenes before and a solar reading, its second row selected. (The
  // list is another process's: it is worked by clicks and keys, not by its messages.)
  void RecordPage() {
    Activate();
    SetField(Ctl::YearField, L"1950");
    SetField(Ctl::MonthField, L"1");
    SetField(Ctl::DayField, L"7");
    PostMessageW(Control(Ctl::SolarButton), BM_CLICK, 0, 0);
    Require(WaitFor([&] { return FieldIs(Ctl::PillarLine, L"八字：己丑 丁丑 壬寅"); }), "no solar reading");
    HWND record = Sheet(L"TabSheet2");
    const RECT tabs = OpenPage(record, 100);
    HWND list = Control(Ctl::RecordList);
    Require(WaitFor([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 4; }), "not four rows");
    // A click on the first row, below the column captions, and one row down.
    const RECT r = RectOf(list);
    Click({r.left + 20, r.top + 32});
    PressKeys({VK_DOWN});
    Shot("record", RectOf(form_));
    BackToMainPage(record, tabs);
  }

  // The window menu, opened by Alt+Space. (Wine opens no window menu on a right click at a
  // title bar that the program draws itself.)
  void WindowMenu() {
    Activate();
    const RECT r = RectOf(form_);
    HWND menu = nullptr;
    PressKeys({VK_MENU, VK_SPACE});
    Require(WaitFor([&] { return (menu = OpenMenu()) != nullptr; }), "no window menu");
    // Down from the first item past Move and Minimize to the copy command, to show it lit.
    for (int i = 0; i < 3; ++i) PressKeys({VK_DOWN});
    RECT shot = Union(r, RectOf(menu));
    // Wine ends every window menu with "About Wine" under a separator, which Windows has not:
    // the picture ends above that separator, and at the menu's right edge, so that it cuts
    // through none of the window's texts.
    if (UnderWine()) {
      Sleep(300);  // the lit item painted
      const int separator = LowestSeparatorRow(menu);
      Require(separator > 0, "no separator above the last item of the window menu");
      shot.bottom = RectOf(menu).top + separator;
      shot.right = RectOf(menu).right;
    }
    Shot("menu", shot);
    PressKeys({VK_ESCAPE});
    if (!WaitFor([&] { return OpenMenu() == nullptr; }, 3000)) SendMessageW(form_, WM_CANCELMODE, 0, 0);
    Require(WaitFor([&] { return OpenMenu() == nullptr; }), "the window menu stayed open");
  }

  // The tray icon's menu, opened by a right click on the icon. Without a desktop shell, Wine
  // shows the icons in a small window of its own ("Wine System Tray"), the first one near
  // (13, 32) in it.
  void TrayMenu() {
    PostMessageW(form_, WM_SYSCOMMAND, ui::kSysCommandTray, 0);
    HWND tray = nullptr;
    Require(WaitFor([&] {
              tray = FindWindowW(nullptr, L"Wine System Tray");
              return tray && IsWindowVisible(tray) && !IsWindowVisible(form_);
            }),
            "the window did not go to the tray");
    const RECT icons = RectOf(tray);
    HWND menu = nullptr;
    // The icon may reach the tray window a moment after the window shows: click again then.
    for (int attempt = 0; attempt < 5 && !menu; ++attempt) {
      e2e::MouseAt({icons.left + 13, icons.top + 32}, e2e::MouseButton::kRight);
      WaitFor([&] { return (menu = OpenMenu()) != nullptr; }, 2000);
    }
    Require(menu != nullptr, "no tray menu");
    // The menu alone: the icons' window around it is Wine's own, not the taskbar's corner.
    Shot("tray", RectOf(menu));
    PressKeys({VK_DOWN});  // onto the first item, 显示窗口
    PressKeys({VK_RETURN});
    Require(WaitFor([&] { return IsWindowVisible(form_) != FALSE; }), "the window did not come back");
  }

  const char* standInExe_;
  std::unique_ptr<Process> tesserin_;
  std::unique_ptr<Process> standIn_;
  HWND form_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) Fail("usage: guide_shots TESSERIN_EXE STANDIN_EXE");
  Scenes scenes(argv[1], argv[2]);
  scenes.Run();
  std::printf("DONE\n");
  std::fflush(stdout);
  return 0;
}
