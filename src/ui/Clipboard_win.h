// Plain text on the clipboard, in UTF-16 (the system offers it as ANSI text as well).
#pragma once

#include <windows.h>

#include <string_view>

namespace tesserin::ui {

// Replaces the clipboard's contents by the text. Returns false when the clipboard stayed busy
// (another program holds it open) or memory ran out.
bool PutClipboardText(HWND owner, std::wstring_view text);

}  // namespace tesserin::ui
