// DPI on Windows: a window's DPI, pixels scaled for it, and the thread's DPI awareness switched
// to another window's. A per-monitor aware program sees a stretched window that is not DPI
// aware in physical pixels, while that window measures itself in logical ones; taking the
// window's awareness makes its rectangle, the pointer and the screen read in the window's own
// pixels. The functions exist from Windows 10 1607 and are looked up at run time, so that the
// program still starts without them (then the system DPI applies to every window, and the
// awareness does not change).
#pragma once

#include <windows.h>

namespace tesserin {

UINT DpiOfWindow(HWND hwnd);
inline int Scale(int pixels, UINT dpi) { return MulDiv(pixels, static_cast<int>(dpi), 96); }

// A DPI_AWARENESS_CONTEXT; null for none.
using DpiAwareness = HANDLE;

// The awareness the window was created with; null when it cannot be had.
DpiAwareness WindowDpiAwareness(HWND window);
// The thread's awareness now; null when it cannot be had.
DpiAwareness ThreadDpiAwareness();
// Sets the thread's awareness; returns the one before, null when nothing was changed.
DpiAwareness SetThreadDpiAwareness(DpiAwareness awareness);

// Holds the thread in an awareness for a scope and restores the previous one on every way out.
class ScopedThreadDpi {
 public:
  explicit ScopedThreadDpi(DpiAwareness awareness)
      : previous_(awareness ? SetThreadDpiAwareness(awareness) : nullptr) {}
  ~ScopedThreadDpi() {
    if (previous_) SetThreadDpiAwareness(previous_);
  }
  ScopedThreadDpi(const ScopedThreadDpi&) = delete;
  ScopedThreadDpi& operator=(const ScopedThreadDpi&) = delete;

 private:
  DpiAwareness previous_;
};

}  // namespace tesserin
