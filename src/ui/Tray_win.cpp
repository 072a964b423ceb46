// The notification-area icon. Shell_NotifyIconW fails where no notification area runs (no
// shell); the form is then minimised. When the shell restarts, its "TaskbarCreated" broadcast
// asks for the icon again.
#include "ui/Tray_win.h"

#include <shellapi.h>

#include <cwchar>

#include "ui/FormLayout.h"
#include "ui/resource.h"

namespace tesserin::ui {
namespace {

bool inTray = false;

NOTIFYICONDATAW IconData(HWND form) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = form;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayMessage;
  data.hIcon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_TESSERIN),
                                             IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  std::wcsncpy(data.szTip, kAppTitle.data(), kAppTitle.size());
  return data;
}

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

}  // namespace

bool MinimiseToTray(HWND form) {
  TaskbarCreatedMessage();
  NOTIFYICONDATAW data = IconData(form);
  if (!inTray && !Shell_NotifyIconW(NIM_ADD, &data)) {
    ShowWindow(form, SW_MINIMIZE);
    return false;
  }
  inTray = true;
  ShowWindow(form, SW_HIDE);
  return true;
}

bool InTray() { return inTray; }

void RemoveTrayIcon(HWND form) {
  if (!inTray) return;
  NOTIFYICONDATAW data = IconData(form);
  Shell_NotifyIconW(NIM_DELETE, &data);
  inTray = false;
}

void RestoreFromTray(HWND form) {
  RemoveTrayIcon(form);
  ShowWindow(form, IsIconic(form) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(form);
}

bool HandleTrayMessage(HWND form, UINT message, WPARAM, LPARAM lParam) {
  if (message == kTrayMessage) {
    switch (LOWORD(lParam)) {
      case WM_LBUTTONUP:
      case WM_LBUTTONDBLCLK:
      case NIN_SELECT:
      case NIN_KEYSELECT:
        RestoreFromTray(form);
        break;
      default:
        break;
    }
    return true;
  }
  if (message == TaskbarCreatedMessage() && inTray) {
    NOTIFYICONDATAW data = IconData(form);
    if (!Shell_NotifyIconW(NIM_ADD, &data)) {  // the new shell has no notification area
      inTray = false;
      ShowWindow(form, SW_MINIMIZE);
    }
    return true;
  }
  return false;
}

}  // namespace tesserin::ui
