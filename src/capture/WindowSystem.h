// What the profile watcher needs of the window system, so that its decisions run and are tested
// without one. Handles are opaque numbers; 0 is no window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/Gbk.h"

namespace tesserin {

using WindowHandle = std::uintptr_t;
inline constexpr WindowHandle kNoWindow = 0;

struct ScreenPoint {
  int x;
  int y;
  bool operator==(const ScreenPoint&) const = default;
};

struct ScreenRect {
  int left;
  int top;
  int right;
  int bottom;
};

// A window title as read. `text` is code page 936, which the title tests look at; `native`
// is the title as the window system gave it (UTF-16), which a lookup by title uses, so that a
// title with characters outside code page 936 still finds its window.
struct WindowTitle {
  GbkString text;
  std::u16string native;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // The top-level window at the top of the Z order, then the next one below a window; hidden
  // windows included. kNoWindow at the end, and for a window that is gone.
  virtual WindowHandle TopWindow() = 0;
  virtual WindowHandle NextWindow(WindowHandle window) = 0;

  // The title; an empty title for a window without one or that is gone.
  virtual WindowTitle Title(WindowHandle window) = 0;

  // The first top-level window of the class whose title is exactly `title`, or kNoWindow.
  virtual WindowHandle FindByClassAndTitle(std::string_view className,
                                           const WindowTitle& title) = 0;

  // Whether the window still exists.
  virtual bool Exists(WindowHandle window) = 0;
  // The outer rectangle in screen coordinates; nothing for a window that is gone.
  virtual std::optional<ScreenRect> Bounds(WindowHandle window) = 0;
  // The top-level window that owns what is visible at a screen point, or kNoWindow.
  virtual WindowHandle TopLevelAt(ScreenPoint point) = 0;

  virtual ScreenPoint Cursor() = 0;
  virtual void MoveCursor(ScreenPoint point) = 0;
  // Left button down, then up, where the pointer is.
  virtual void LeftClick() = 0;
};

}  // namespace tesserin
