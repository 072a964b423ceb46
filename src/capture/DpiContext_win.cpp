#include "capture/DpiContext_win.h"

#include "base/User32_win.h"

namespace tesserin {
namespace {

using GetWindowContextFn = DpiAwareness(WINAPI*)(HWND);
using GetThreadContextFn = DpiAwareness(WINAPI*)();
using SetThreadContextFn = DpiAwareness(WINAPI*)(DpiAwareness);

}  // namespace

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
