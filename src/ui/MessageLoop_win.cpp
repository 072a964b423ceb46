#include "ui/MessageLoop_win.h"

#include <commctrl.h>

#include "ui/CopyReading_win.h"
#include "ui/Form1_win.h"
#include "ui/FormCreation_win.h"

namespace tesserin::ui {

bool PreTranslateFormMessage(MSG& msg) {
  HWND form = FormHandle();
  if (!form || (msg.hwnd != form && !IsChild(form, msg.hwnd))) return false;
  if (HandleCopyKey(msg)) return true;
  if (msg.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 &&
      (msg.wParam == VK_TAB || msg.wParam == VK_PRIOR || msg.wParam == VK_NEXT)) {
    ShowPage(TabCtrl_GetCurSel(PageControl1()) == 0 ? Page::Help : Page::Main);
    return true;
  }
  return IsDialogMessageW(form, &msg) != FALSE;
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (PreTranslateFormMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace tesserin::ui
