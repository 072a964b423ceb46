// DPI of a window. GetDpiForWindow exists from Windows 10 1607; before that the system DPI
// applies to every window.
#pragma once

#include <windows.h>

namespace tesserin::ui {

UINT DpiOfWindow(HWND hwnd);
inline int Scale(int pixels, UINT dpi) { return MulDiv(pixels, static_cast<int>(dpi), 96); }

}  // namespace tesserin::ui
