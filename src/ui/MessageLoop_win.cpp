#include "ui/MessageLoop_win.h"

#include <commctrl.h>

#include "ui/CopyReading_win.h"
#include "ui/FormState_win.h"
#include "ui/Pages_win.h"
#include "ui/RecordPage_win.h"

namespace tesserin::ui {

bool PreTranslateFormMessage(MSG& msg) {
  HWND form = FormHandle();
  if (!form || (msg.hwnd != form && !IsChild(form, msg.hwnd))) return false;
  if (HandleRecordKey(msg) || HandleCopyKey(msg)) return true;
  // Ctrl+Tab and Ctrl+PgDn go to the next page, Ctrl+Shift+Tab and Ctrl+PgUp to the one before.
  if (msg.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 &&
      (msg.wParam == VK_TAB || msg.wParam == VK_PRIOR || msg.wParam == VK_NEXT)) {
    const bool back = msg.wParam == VK_PRIOR || (msg.wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0);
    const int shown = static_cast<int>(ShownPage());
    ShowPage(static_cast<Page>((shown + (back ? kPageCount - 1 : 1)) % kPageCount));
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
