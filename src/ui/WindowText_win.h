// Window texts in UTF-16, read and replaced.
#pragma once

#include <windows.h>

#include <string>

namespace tesserin::ui {

std::wstring WindowText(HWND hwnd);

// Sets the text only when it differs: WM_SETTEXT repaints a control even for an unchanged text,
// and the watcher writes its fields on every profile. Returns whether the text changed.
bool ReplaceWindowText(HWND hwnd, const std::wstring& text);

}  // namespace tesserin::ui
