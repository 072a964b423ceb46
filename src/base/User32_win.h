// A function of user32 looked up at run time: the newer DPI functions are missing on older
// systems, and the program must still start there.
#pragma once

#include <windows.h>

namespace tesserin {

// The function of that name, or null where this user32 lacks it.
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace tesserin
