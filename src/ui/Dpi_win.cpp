#include "ui/Dpi_win.h"

#include "base/Gdi_win.h"
#include "base/User32_win.h"

namespace tesserin::ui {

UINT DpiOfWindow(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (getDpiForWindow) {
    if (UINT dpi = getDpiForWindow(hwnd)) return dpi;
  }
  ScopedDC dc(hwnd);
  return static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSX));
}

}  // namespace tesserin::ui
