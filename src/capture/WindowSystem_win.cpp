// Win32 window walk, title lookup, rectangle, pointer and synthesized click.
#include "capture/WindowSystem_win.h"

#include <string>

namespace tesserin {

WindowHandle Win32WindowSystem::TopWindow() {
  return FromHwnd(GetWindow(GetDesktopWindow(), GW_CHILD));
}

WindowHandle Win32WindowSystem::NextWindow(WindowHandle window) {
  return FromHwnd(GetWindow(ToHwnd(window), GW_HWNDNEXT));
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

WindowHandle Win32WindowSystem::TopLevelAt(ScreenPoint point) {
  HWND under = WindowFromPoint(POINT{point.x, point.y});
  return under ? FromHwnd(GetAncestor(under, GA_ROOT)) : kNoWindow;
}

ScreenPoint Win32WindowSystem::Cursor() {
  POINT p{0, 0};
  GetCursorPos(&p);
  return {p.x, p.y};
}

void Win32WindowSystem::MoveCursor(ScreenPoint point) { SetCursorPos(point.x, point.y); }

void Win32WindowSystem::LeftClick() {
  // The press and release carry the pointer's position: a button event on its own may be
  // delivered at where the pointer was before the last SetCursorPos took effect (Wine on X11).
  POINT p{0, 0};
  GetCursorPos(&p);
  int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (width <= 0 || height <= 0) return;
  INPUT events[2] = {};
  for (INPUT& event : events) {
    event.type = INPUT_MOUSE;
    event.mi.dx = static_cast<LONG>((static_cast<long long>(p.x - left) * 65536 + 32768) / width);
    event.mi.dy = static_cast<LONG>((static_cast<long long>(p.y - top) * 65536 + 32768) / height);
    event.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  }
  events[0].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
  events[1].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
  SendInput(2, events, sizeof(INPUT));
}

}  // namespace tesserin
