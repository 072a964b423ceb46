#include "ui/Messages_win.h"

#include <windows.h>

#include <exception>
#include <string>

#include "base/Gbk.h"
#include "ui/ErrorText.h"
#include "ui/FormLayout.h"
#include "ui/TForm1_win.h"

namespace tesserin::ui {
namespace {

void Box(std::string_view gbkText, UINT type) {
  const std::wstring text = WideFromGbk(gbkText);
  const std::wstring title(kAppTitle);
  HWND owner = FormHandle();
  MessageBoxW(owner && IsWindow(owner) ? owner : nullptr, text.c_str(), title.c_str(), type);
}

}  // namespace

void ShowMessage(std::string_view gbkText) { Box(gbkText, MB_OK); }

void ShowErrorBox(std::string_view gbkText) {
  Box(ErrorBoxText(FittedErrorText(gbkText)), MB_OK | MB_ICONSTOP);
}

void ReportCurrentException() noexcept {
  try {
    try {
      throw;
    } catch (const std::exception& e) {
      ShowErrorBox(e.what());  // the program's own errors carry code page 936 text
    } catch (...) {
      ShowErrorBox("Unknown error");
    }
  } catch (...) {
    // Reporting failed too (no memory for the text): nothing more can be shown.
  }
}

}  // namespace tesserin::ui
