#include "ui/WindowText_win.h"

namespace tesserin::ui {

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool ReplaceWindowText(HWND hwnd, const std::wstring& text) {
  if (!hwnd || WindowText(hwnd) == text) return false;
  SetWindowTextW(hwnd, text.c_str());
  return true;
}

}  // namespace tesserin::ui
