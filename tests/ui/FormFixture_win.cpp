#include "FormFixture_win.h"

#include <cwctype>

#include "base/Gbk.h"
#include "base/Gdi_win.h"
#include "e2e/Desktop_win.h"
#include "reading/AnalysisRun.h"
#include "ui/FormState_win.h"
#include "ui/MainWindow_win.h"
#include "ui/MessageLoop_win.h"
#include "ui/ReadingBinding_win.h"
#include "ui/WindowText_win.h"

namespace tesserin::ui::test {
namespace {

constexpr int kMessageTextId = 0xFFFF;  // the text control of a message box

struct BoxScript {
  std::vector<std::function<void(HWND)>> steps;
  size_t next = 0;
  BoxSeen seen;
  bool done = false;
};
BoxScript* script = nullptr;
UINT_PTR scriptTimer = 0;
UINT_PTR watchdogTimer = 0;

void ClickOk(HWND box) { SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0); }

bool HasStopIcon(HWND box) {
  const HICON stop = LoadIconW(nullptr, IDI_HAND);
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
        reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) == stop)
      return true;
  return false;
}

BoxSeen Read(HWND box) {
  return {WindowText(box), WindowText(GetDlgItem(box, kMessageTextId)), HasStopIcon(box)};
}

// Runs inside the modal loop of the box: one step per tick, then OK.
void CALLBACK ScriptTick(HWND, UINT, UINT_PTR, DWORD) {
  if (!script) return;
  const std::vector<HWND> boxes = FormTest::OpenBoxes();
  if (boxes.empty()) return;
  if (script->done) {  // a box nobody expected, opened from inside the first: close it too
    ADD_FAILURE() << "a second message box: " << Utf8Of(Read(boxes.front()).text);
    ClickOk(boxes.front());
    return;
  }
  HWND box = boxes.back();  // the first one opened (the walk lists the newest first)
  if (script->next == 0 && script->seen.caption.empty()) script->seen = Read(box);
  if (script->next < script->steps.size()) {
    script->steps[script->next++](box);
    return;
  }
  script->done = true;
  ClickOk(box);
}

// A safety net, not a check of time: a box that no test expects would wait for a click for
// ever. It is reported as a failure and closed.
void CALLBACK Watchdog(HWND, UINT, UINT_PTR, DWORD) {
  if (script) return;
  for (HWND box : FormTest::OpenBoxes()) {
    ADD_FAILURE() << "unexpected message box: " << Utf8Of(Read(box).text);
    ClickOk(box);
  }
}

UINT KeyOf(wchar_t c) {
  switch (c) {
    case L'\r': return VK_RETURN;
    case L'\b': return VK_BACK;
    case L'\t': return VK_TAB;
    case L'\x1b': return VK_ESCAPE;
    default: return static_cast<UINT>(std::towupper(c));
  }
}

}  // namespace

std::string Utf8Of(const std::wstring& text) { return Utf8(GbkFromWide(text)); }

Pixels Capture(HWND window) {
  // From the window's own device context: what the window drew, whether or not it has reached
  // the screen yet (Wine copies a window's drawing to the display a little later).
  RECT r;
  GetWindowRect(window, &r);
  Pixels p;
  p.width = r.right - r.left;
  p.height = r.bottom - r.top;
  HDC screen = GetWindowDC(window);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, p.width, p.height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, p.width, p.height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO info = TopDownBitmapInfo(p.width, p.height);
  std::vector<RGBQUAD> bits(static_cast<size_t>(p.width * p.height));
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(p.height), bits.data(), &info, DIB_RGB_COLORS);
  p.data.reserve(bits.size());
  for (const RGBQUAD& q : bits) p.data.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  return p;
}

RECT RectInParent(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void ChangeDpi(HWND form, UINT dpi) {
  RECT suggested;
  GetWindowRect(form, &suggested);
  SendMessageW(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  FormTest::Pump();
}

void FormTest::SetUp() {
  Form1State().readingBusy = false;
  form = CreateMainWindow(GetModuleHandleW(nullptr));
  ASSERT_NE(form, nullptr);
  ShowMainWindow(SW_SHOWNORMAL);
  Pump();
  watchdogTimer = SetTimer(nullptr, 0, 3000, Watchdog);
}

void FormTest::TearDown() {
  KillTimer(nullptr, watchdogTimer);
  if (form && IsWindow(form)) DestroyWindow(form);
  Pump();  // also takes the WM_QUIT that the form posts when it goes
}

void FormTest::Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    if (PreTranslateFormMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void FormTest::PressKey(UINT vk) {
  HWND target = GetFocus();
  const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(target, WM_KEYDOWN, vk, 1 | scan);
  PostMessageW(target, WM_KEYUP, vk, 1 | scan | (LPARAM{1} << 30) | (LPARAM{1} << 31));
  Pump();
}

void FormTest::Type(std::wstring_view keys) {
  for (wchar_t c : keys) PressKey(KeyOf(c));
}

bool FormTest::PumpUntil(const std::function<bool()>& done) {
  for (int i = 0; i < 400 && !done(); ++i) {
    Pump();
    Sleep(5);
  }
  return done();
}

std::wstring FormTest::TextOf(Ctl id) { return WindowText(Control(id)); }

void FormTest::SetTextOf(Ctl id, const std::wstring& text) { SetWindowTextW(Control(id), text.c_str()); }

void FormTest::FocusOn(Ctl id) {
  SendMessageW(FormHandle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE);
  Pump();
}

Ctl FormTest::Focused() {
  HWND focus = GetFocus();
  for (int i = 0; i < kCtlCount; ++i)
    if (Control(static_cast<Ctl>(i)) == focus) return static_cast<Ctl>(i);
  return Ctl::Count;
}

void FormTest::EnterDate(const wchar_t* year, const wchar_t* month, const wchar_t* day) {
  SetTextOf(Ctl::YearField, year);
  SetTextOf(Ctl::MonthField, month);
  SetTextOf(Ctl::DayField, day);
}

void FormTest::ReadByEnterInDayField() {
  FocusOn(Ctl::DayField);
  SendMessageW(Control(Ctl::DayField), EM_SETSEL, 0x7FFF, 0x7FFF);  // the caret at the end
  Type(L"\r");
}

void FormTest::ClickSolarButton() {
  SendMessageW(Control(Ctl::SolarButton), BM_CLICK, 0, 0);
  Pump();
}

void FormTest::FillFromProfile(const char* nickname, const wchar_t* year, const wchar_t* month, const wchar_t* day) {
  ShowProfileFound(Gbk(nickname));
  FillProfileField(Field::Month, GbkFromWide(month));
  FillProfileField(Field::Day, GbkFromWide(day));
  FillProfileField(Field::Year, GbkFromWide(year));
}

void FormTest::FromProfile(const char* nickname, const wchar_t* year, const wchar_t* month, const wchar_t* day) {
  FillFromProfile(nickname, year, month, day);
  ReadDateFields(CalendarMode::Lunar);
  Pump();
}

BoxSeen FormTest::WithBox(const std::function<void()>& trigger,
                          std::vector<std::function<void(HWND)>> steps) {
  BoxScript s;
  s.steps = std::move(steps);
  script = &s;
  scriptTimer = SetTimer(nullptr, 0, 20, ScriptTick);
  trigger();
  Pump();
  KillTimer(nullptr, scriptTimer);
  script = nullptr;
  EXPECT_TRUE(s.done) << "no message box was opened, or it stayed open";
  return s.seen;
}

std::vector<HWND> FormTest::OpenBoxes() {
  std::vector<HWND> boxes;
  for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    GetClassNameW(w, name, 16);
    if (std::wstring_view(name) == L"#32770" && GetWindow(w, GW_OWNER) == FormHandle() && IsWindowVisible(w))
      boxes.push_back(w);
  }
  return boxes;
}

void FormTest::PressWithCtrl(UINT vk) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
  SetKeyboardState(keys);
  PressKey(vk);
  keys[VK_CONTROL] = keys[VK_LCONTROL] = 0;
  SetKeyboardState(keys);
}

std::optional<std::wstring> FormTest::ClipboardSeenElsewhere() {
  wchar_t folder[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  const std::wstring file = std::wstring(folder) + L"clipboard_text.out";
  DeleteFileW(file.c_str());
  std::wstring command = L"\"" + e2e::WinePath(TESSERIN_CLIPBOARD_TEXT_EXE) + L"\" \"" + file + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    ADD_FAILURE() << "cannot start the clipboard reader";
    return std::nullopt;
  }
  CloseHandle(process.hThread);
  const DWORD limit = GetTickCount() + 20000;  // only bounds a failing test
  while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0 &&
         GetTickCount() < limit)
    FormTest::Pump();
  DWORD exitCode = 99;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hProcess);
  if (exitCode != 0) {
    EXPECT_EQ(1u, exitCode) << "the clipboard reader failed";
    return std::nullopt;
  }
  std::wstring text;
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  text.resize(GetFileSize(handle, nullptr) / sizeof(wchar_t));
  DWORD read = 0;
  ReadFile(handle, text.data(), static_cast<DWORD>(text.size() * sizeof(wchar_t)), &read, nullptr);
  CloseHandle(handle);
  DeleteFileW(file.c_str());
  return text;
}

}  // namespace tesserin::ui::test
