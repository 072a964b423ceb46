#include "base/Dpi_win.h"

#include "base/Gdi_win.h"
#include "base/User32_win.h"

namespace tesserin {
namespace {

using GetWindowContextFn = DpiAwareness(WINAPI*)(HWND);
using GetThreadContextFn = DpiAwareness(WINAPI*)();
using SetThreadContextFn = DpiAwareness(WINAPI*)(DpiAwareness);

}  // namespace

UINT DpiOfWindow(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow) {
    if (UINT dpi = getDpiForWindow(hwnd)) return dpi;
  }
  ScopedDC dc(hwnd);
  return static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSX));
}

DpiAwareness WindowDpiAwareness(HWND window) {
  static const auto get = User32Function<GetWindowContextFn>("GetWindowDpiAwarenessContext");
  return get && window ? get(window) : nullptr;
}

DpiAwareness ThreadDpiAwareness() {
  static const auto get = User32Function<GetThreadContextFn>("GetThreadDpiAwarenessContext");
  return get ? get() : nullptr;
}

DpiAwareness SetThreadDpiAwareness(DpiAwareness awareness) {
  static const auto set = User32Function<SetThreadContextFn>("SetThreadDpiAwarenessContext");
  return set && awareness ? set(awareness) : nullptr;
}

}  // namespace tesserin
