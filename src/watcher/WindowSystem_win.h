// The window-system operations of the profile watcher, on Win32.
#pragma once

#include <windows.h>

#include <vector>

#include "base/Dpi_win.h"
#include "watcher/WindowSystem.h"

namespace tesserin {

inline HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
inline WindowHandle FromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }

class Win32WindowSystem : public WindowSystem {
 public:
  // EnumWindows: one request for the whole list, where a GetWindow walk asks once per window
  // (a round trip to the window server each under Wine) and sees the Z order change under it.
  std::vector<WindowHandle> TopLevelWindows() override;
  // Read as UTF-16 and converted to code page 936 explicitly, so that the title tests see the
  // same bytes whatever the system's ANSI code page is.
  WindowTitle Title(WindowHandle window) override;
  WindowHandle FindByClassAndTitle(std::string_view className,
                                   const WindowTitle& title) override;
  bool Exists(WindowHandle window) override;
  std::optional<ScreenRect> Bounds(WindowHandle window) override;
  std::optional<ScreenPoint> ClientOrigin(WindowHandle window) override;
  WindowHandle TopLevelAt(ScreenPoint point) override;
  std::vector<ScreenRect> Monitors() override;
  ScreenPoint Cursor() override;
  bool ClickAndReturn(WindowHandle window, ScreenPoint at, ScreenPoint back) override;
  void KeepPointerBack(ScreenPoint at, ScreenPoint back) override;
  void EnterWindowDpi(WindowHandle window) override;
  void LeaveWindowDpi() override;

 private:
  std::vector<DpiAwareness> dpiBefore_;  // the thread's awareness before each EnterWindowDpi
};

}  // namespace tesserin
