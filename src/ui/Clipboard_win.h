// Plain text on the clipboard, in UTF-16 (the system offers it as ANSI text as well).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace tesserin::ui {

// Replaces the clipboard's contents by the text. Returns false when the clipboard stayed busy
// (another program holds it open) or memory ran out.
bool PutClipboardText(HWND owner, std::wstring_view text);

// The clipboard's text, or nothing when it holds no text or stayed busy.
std::optional<std::wstring> ClipboardText(HWND owner);

}  // namespace tesserin::ui
