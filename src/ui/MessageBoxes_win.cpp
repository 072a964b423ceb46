#include "ui/MessageBoxes_win.h"

#include <exception>
#include <string>

#include "base/Gbk.h"
#include "form/ErrorText.h"
#include "form/Layout.h"

namespace tesserin::ui {
namespace {

void Box(HWND owner, std::string_view gbkText, UINT type) {
  const std::wstring text = WideFromGbk(gbkText);
  const std::wstring title(kAppTitle);
  MessageBoxW(owner && IsWindow(owner) ? owner : nullptr, text.c_str(), title.c_str(), type);
}

}  // namespace

void ShowMessage(HWND owner, std::string_view gbkText) { Box(owner, gbkText, MB_OK); }

void ShowErrorBox(HWND owner, std::string_view gbkText) {
  Box(owner, ErrorBoxText(gbkText), MB_OK | MB_ICONSTOP);
}

void ReportCurrentException(HWND owner) noexcept {
  try {
    try {
      throw;
    } catch (const std::exception& e) {
      ShowErrorBox(owner, e.what());  // the program's own errors carry code page 936 text
    } catch (...) {
      ShowErrorBox(owner, "Unknown error");
    }
  } catch (...) {
    // Reporting failed too (no memory for the text): nothing more can be shown.
  }
}

}  // namespace tesserin::ui
