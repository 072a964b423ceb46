// Another program may hold the clipboard open for a moment (clipboard managers do); opening
// it is tried a few times before giving up.
#include "ui/Clipboard_win.h"

#include <cstring>
#include <cwchar>

namespace tesserin::ui {
namespace {

class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) {
    for (int attempt = 0; attempt < 10 && !open_; ++attempt) {
      if (attempt) Sleep(20);
      open_ = OpenClipboard(owner) != FALSE;
    }
  }
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  explicit operator bool() const { return open_; }

 private:
  bool open_ = false;
};

}  // namespace

bool PutClipboardText(HWND owner, std::wstring_view text) {
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  auto* target = static_cast<wchar_t*>(GlobalLock(memory));
  std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
  target[text.size()] = L'\0';
  GlobalUnlock(memory);

  OpenedClipboard clipboard(owner);
  // The system owns the memory once SetClipboardData succeeds.
  if (!clipboard || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory)) {
    GlobalFree(memory);
    return false;
  }
  return true;
}

std::optional<std::wstring> ClipboardText(HWND owner) {
  OpenedClipboard clipboard(owner);
  if (!clipboard) return std::nullopt;
  std::optional<std::wstring> result;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* text = static_cast<const wchar_t*>(GlobalLock(memory))) {
      // The text ends at its terminator or at the end of the block, whichever comes first.
      result.emplace(text, wcsnlen(text, GlobalSize(memory) / sizeof(wchar_t)));
      GlobalUnlock(memory);
    }
  }
  return result;
}

}  // namespace tesserin::ui
