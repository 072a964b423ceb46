// The form's shortcuts (Ctrl+C, Ctrl+A): a key pressed with Ctrl alone held, no Alt or Shift.
#pragma once

#include <windows.h>

namespace tesserin::ui {

inline bool IsCtrlShortcut(const MSG& msg, WPARAM key) {
  auto held = [](int vk) { return GetKeyState(vk) < 0; };
  return msg.message == WM_KEYDOWN && msg.wParam == key && held(VK_CONTROL) && !held(VK_MENU) && !held(VK_SHIFT);
}

}  // namespace tesserin::ui
