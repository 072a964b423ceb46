// What the profile watcher needs of the window system, so that its decisions run and are tested
// without one. Handles are opaque numbers; 0 is no window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
  bool operator==(const ScreenRect&) const = default;
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

  // The top-level windows from the top of the Z order down, hidden windows included, as one
  // snapshot taken now: windows that move or close afterwards keep their place in it.
  virtual std::vector<WindowHandle> TopLevelWindows() = 0;

  // The title; an empty title for a window without one or that is gone.
  virtual WindowTitle Title(WindowHandle window) = 0;

  // The first top-level window of the class whose title is exactly `title`, or kNoWindow.
  virtual WindowHandle FindByClassAndTitle(std::string_view className,
                                           const WindowTitle& title) = 0;

  // Whether the window still exists.
  virtual bool Exists(WindowHandle window) = 0;
  // The outer rectangle in screen coordinates; nothing for a window that is gone.
  virtual std::optional<ScreenRect> Bounds(WindowHandle window) = 0;
  // The screen point of the top-left corner of the window's client area; nothing for a window
  // that is gone.
  virtual std::optional<ScreenPoint> ClientOrigin(WindowHandle window) = 0;
  // The top-level window that owns what is visible at a screen point, or kNoWindow.
  virtual WindowHandle TopLevelAt(ScreenPoint point) = 0;
  // The rectangles of the display monitors, in screen coordinates.
  virtual std::vector<ScreenRect> Monitors() = 0;

  virtual ScreenPoint Cursor() = 0;

  // Moves the pointer to `at`, presses and releases the left button there and moves the pointer
  // back to `back`, as one ordered input sequence, so that no other input and no load can come
  // between the click and the return. Sends nothing unless `window` is still the top-level
  // window at `at`, checked right before the sequence. Returns whether it was sent.
  virtual bool ClickAndReturn(WindowHandle window, ScreenPoint at, ScreenPoint back) = 0;
  // For a short while after a click, puts the pointer back to `back` whenever it is found still
  // on `at` (a window activated by the click may keep it there); stops watching once it is seen
  // anywhere else, so that the user's own movement is never overridden. Returns at once: the
  // watch runs on a timer.
  virtual void KeepPointerBack(ScreenPoint at, ScreenPoint back) = 0;

  // The profile window's pixels, rectangle, block and close button are measured in its own DPI: the
  // thread takes that window's DPI awareness until LeaveWindowDpi. Calls pair up, and nest.
  virtual void EnterWindowDpi(WindowHandle window) = 0;
  virtual void LeaveWindowDpi() = 0;
};

// Holds the thread in a window's DPI awareness for a scope, left on every way out.
class WindowDpiScope {
 public:
  WindowDpiScope(WindowSystem& windows, WindowHandle window) : windows_(windows) {
    windows_.EnterWindowDpi(window);
  }
  ~WindowDpiScope() { windows_.LeaveWindowDpi(); }
  WindowDpiScope(const WindowDpiScope&) = delete;
  WindowDpiScope& operator=(const WindowDpiScope&) = delete;

 private:
  WindowSystem& windows_;
};

}  // namespace tesserin
