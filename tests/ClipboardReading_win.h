// Test support: the clipboard's text as another program reads it, to see what the program
// copied. The program may hold the clipboard open for a moment, so opening it is tried a few
// times.
#pragma once

#include <windows.h>

#include <cwchar>
#include <optional>
#include <string>

namespace tesserin::testing {

// The clipboard's text, or nothing when it holds no text or stayed busy.
inline std::optional<std::wstring> ClipboardText() {
  bool open = false;
  for (int attempt = 0; attempt < 10 && !open; ++attempt) {
    if (attempt) Sleep(20);
    open = OpenClipboard(nullptr) != FALSE;
  }
  if (!open) return std::nullopt;
  std::optional<std::wstring> result;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* text = static_cast<const wchar_t*>(GlobalLock(memory))) {
      // The text ends at its terminator or at the end of the block, whichever comes first.
      result.emplace(text, wcsnlen(text, GlobalSize(memory) / sizeof(wchar_t)));
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  return result;
}

}  // namespace tesserin::testing
