// Win32 window list, title lookup, rectangles, monitors, pointer and synthesized click.
#include "watcher/WindowSystem_win.h"

#include <string>
#include <vector>

#include "watcher/PointerReturn.h"

namespace tesserin {

namespace {

BOOL CALLBACK AddTopLevel(HWND window, LPARAM list) {
  try {
    reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(FromHwnd(window));
    return TRUE;
  } catch (...) {
    return FALSE;  // no memory: the windows so far, and no exception into the system's code
  }
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM list) {
  try {
    reinterpret_cast<std::vector<ScreenRect>*>(list)->push_back(
        {rect->left, rect->top, rect->right, rect->bottom});
    return TRUE;
  } catch (...) {
    return FALSE;  // no memory: fewer monitors, so a block is trusted less, never more
  }
}

// An absolute pointer move to a screen point, in the thread's current DPI awareness.
std::optional<INPUT> PointerMove(ScreenPoint point) {
  int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (width <= 0 || height <= 0) return std::nullopt;
  INPUT event{};
  event.type = INPUT_MOUSE;
  event.mi.dx = static_cast<LONG>((static_cast<long long>(point.x - left) * 65536 + 32768) / width);
  event.mi.dy = static_cast<LONG>((static_cast<long long>(point.y - top) * 65536 + 32768) / height);
  event.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  return event;
}

// The one watch over the pointer after a close click, run by a thread timer on the
// user-interface thread (no window needed: the message loop dispatches it).
struct PointerWatch {
  ScreenPoint clicked;
  ScreenPoint back;
  DpiAwareness awareness;  // the profile window's, in which both points are measured
  ULONGLONG started;
  UINT_PTR timer;
};

PointerWatch& ThePointerWatch() {
  static PointerWatch watch{};
  return watch;
}

void CALLBACK PointerWatchTick(HWND, UINT, UINT_PTR timer, DWORD) {
  PointerWatch& watch = ThePointerWatch();
  if (timer != watch.timer) {
    KillTimer(nullptr, timer);
    return;
  }
  ScopedThreadDpi dpi(watch.awareness);
  POINT p{0, 0};
  GetCursorPos(&p);
  std::chrono::milliseconds since(GetTickCount64() - watch.started);
  switch (NextPointerStep({p.x, p.y}, watch.clicked, watch.back, since)) {
    case PointerStep::PutBack:
      if (std::optional<INPUT> move = PointerMove(watch.back)) SendInput(1, &*move, sizeof(INPUT));
      break;
    case PointerStep::Watch:
      break;
    case PointerStep::Stop:
      KillTimer(nullptr, watch.timer);
      watch.timer = 0;
      break;
  }
}

}  // namespace

std::vector<WindowHandle> Win32WindowSystem::TopLevelWindows() {
  std::vector<WindowHandle> windows;
  windows.reserve(256);
  EnumWindows(AddTopLevel, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

WindowTitle Win32WindowSystem::Title(WindowHandle window) {
  // Longer than any title the tests look at (254 bytes), so that a longer one shows as such.
  wchar_t buffer[512];
  int length = GetWindowTextW(ToHwnd(window), buffer, static_cast<int>(std::size(buffer)));
  if (length <= 0) return {};
  std::wstring_view wide(buffer, static_cast<std::size_t>(length));
  return {GbkFromWide(wide), std::u16string(wide.begin(), wide.end())};
}

WindowHandle Win32WindowSystem::FindByClassAndTitle(std::string_view className,
                                                    const WindowTitle& title) {
  std::wstring wideClass(className.begin(), className.end());  // ASCII
  std::wstring wideTitle(title.native.begin(), title.native.end());
  return FromHwnd(FindWindowW(wideClass.c_str(), wideTitle.c_str()));
}

bool Win32WindowSystem::Exists(WindowHandle window) { return IsWindow(ToHwnd(window)) != FALSE; }

std::optional<ScreenRect> Win32WindowSystem::Bounds(WindowHandle window) {
  RECT r;
  if (!GetWindowRect(ToHwnd(window), &r)) return std::nullopt;
  return ScreenRect{r.left, r.top, r.right, r.bottom};
}

std::optional<ScreenPoint> Win32WindowSystem::ClientOrigin(WindowHandle window) {
  POINT origin{0, 0};
  if (!ClientToScreen(ToHwnd(window), &origin)) return std::nullopt;
  return ScreenPoint{origin.x, origin.y};
}

WindowHandle Win32WindowSystem::TopLevelAt(ScreenPoint point) {
  HWND under = WindowFromPoint(POINT{point.x, point.y});
  return under ? FromHwnd(GetAncestor(under, GA_ROOT)) : kNoWindow;
}

std::vector<ScreenRect> Win32WindowSystem::Monitors() {
  std::vector<ScreenRect> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

ScreenPoint Win32WindowSystem::Cursor() {
  POINT p{0, 0};
  GetCursorPos(&p);
  return {p.x, p.y};
}

bool Win32WindowSystem::ClickAndReturn(WindowHandle window, ScreenPoint at, ScreenPoint back) {
  // Every event carries its position, absolute: a button event on its own may be delivered at
  // where the pointer was before a separate move took effect (Wine on X11), and a separate
  // SetCursorPos for the return, which takes effect at once, could overtake the queued click.
  std::optional<INPUT> to = PointerMove(at), from = PointerMove(back);
  if (!to || !from) return false;
  INPUT events[4] = {*to, *to, *to, *from};
  events[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  events[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  // The last look, with nothing between it and the input: a window closed a moment before
  // would leave the click to whatever lies beneath.
  if (TopLevelAt(at) != window) return false;
  return SendInput(4, events, sizeof(INPUT)) == 4;
}

void Win32WindowSystem::KeepPointerBack(ScreenPoint at, ScreenPoint back) {
  PointerWatch& watch = ThePointerWatch();
  if (watch.timer) KillTimer(nullptr, watch.timer);
  watch = {at, back, ThreadDpiAwareness(), GetTickCount64(), 0};
  watch.timer = SetTimer(nullptr, 0, static_cast<UINT>(kPointerWatchInterval.count()), PointerWatchTick);
}

void Win32WindowSystem::EnterWindowDpi(WindowHandle window) {
  DpiAwareness own = WindowDpiAwareness(ToHwnd(window));
  dpiBefore_.push_back(own ? SetThreadDpiAwareness(own) : nullptr);
}

void Win32WindowSystem::LeaveWindowDpi() {
  if (dpiBefore_.empty()) return;
  if (DpiAwareness before = dpiBefore_.back()) SetThreadDpiAwareness(before);
  dpiBefore_.pop_back();
}

}  // namespace tesserin
