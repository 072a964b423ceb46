// Test support: the clipboard's text as another program reads it, to see what the program
// copied.
#pragma once

#include <optional>
#include <string>

#include "ui/Clipboard_win.h"

namespace tesserin::testing {

// The clipboard's text, or nothing when it holds no text or stayed busy.
inline std::optional<std::wstring> ClipboardText() { return ui::ClipboardText(nullptr); }

}  // namespace tesserin::testing
