#include "capture/DpiContext_win.h"

namespace tesserin {
namespace {

template <typename Function>
Function User32(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

using GetWindowContextFn = DpiAwareness(WINAPI*)(HWND);
using GetThreadContextFn = DpiAwareness(WINAPI*)();
using SetThreadContextFn = DpiAwareness(WINAPI*)(DpiAwareness);

}  // namespace

DpiAwareness WindowDpiAwareness(HWND window) {
  static const auto get = User32<GetWindowContextFn>("GetWindowDpiAwarenessContext");
  return get && window ? get(window) : nullptr;
}

DpiAwareness ThreadDpiAwareness() {
  static const auto get = User32<GetThreadContextFn>("GetThreadDpiAwarenessContext");
  return get ? get() : nullptr;
}

DpiAwareness SetThreadDpiAwareness(DpiAwareness awareness) {
  static const auto set = User32<SetThreadContextFn>("SetThreadDpiAwarenessContext");
  return set && awareness ? set(awareness) : nullptr;
}

}  // namespace tesserin
