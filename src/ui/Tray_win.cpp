// The notification-area icon. Shell_NotifyIconW fails where no notification area runs (no
// shell); the form is then minimised. When the shell restarts, its "TaskbarCreated" broadcast
// asks for the icon again. A click on the icon brings the form back; a right click opens the
// icon's menu, whose commands go to the form as the window menu's do.
#include "ui/Tray_win.h"

#include <shellapi.h>

#include <cwchar>

#include "form/Layout.h"
#include "form/MenuCommands.h"
#include "ui/resource.h"

namespace tesserin::ui {
namespace {

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

// The form hides behind the icon, or is minimised where no notification area takes it.
void MinimiseToTray(HWND form, TrayState& tray) {
  TaskbarCreatedMessage();
  NOTIFYICONDATAW data = IconData(form);
  if (!tray.inTray && !Shell_NotifyIconW(NIM_ADD, &data)) {
    ShowWindow(form, SW_MINIMIZE);
    return;
  }
  tray.inTray = true;
  ShowWindow(form, SW_HIDE);
}

}  // namespace

void RemoveTrayIcon(HWND form, TrayState& tray) {
  if (!tray.inTray) return;
  NOTIFYICONDATAW data = IconData(form);
  Shell_NotifyIconW(NIM_DELETE, &data);
  tray.inTray = false;
}

namespace {

void RestoreFromTray(HWND form, TrayState& tray) {
  RemoveTrayIcon(form, tray);
  ShowWindow(form, IsIconic(form) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(form);
}

enum TrayMenuItem : UINT { kShowItem = 1, kCopyItem, kExitItem };

// Whether the window menu offers "复制结果": it is greyed there while the form shows no reading.
bool CopyCommandEnabled(HWND form) {
  HMENU menu = GetSystemMenu(form, FALSE);
  const UINT state = menu ? GetMenuState(menu, kSysCommandCopyReading, MF_BYCOMMAND) : static_cast<UINT>(-1);
  return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

// The icon's menu at the pointer, as the notification area's menus open. The form is made the
// foreground window first, or the menu would stay open when the user clicks elsewhere.
void OpenTrayMenu(HWND form, TrayState& tray) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return;
  AppendMenuW(menu, MF_STRING, kShowItem, L"显示窗口");
  AppendMenuW(menu, MF_STRING | (CopyCommandEnabled(form) ? 0 : MF_GRAYED), kCopyItem, L"复制结果");
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(menu, MF_STRING, kExitItem, L"退出");
  SetMenuDefaultItem(menu, kShowItem, FALSE);
  POINT at;
  GetCursorPos(&at);
  SetForegroundWindow(form);
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, at.x, at.y, 0, form, nullptr));
  PostMessageW(form, WM_NULL, 0, 0);  // lets the menu close properly on every system
  DestroyMenu(menu);
  switch (chosen) {
    case kShowItem: RestoreFromTray(form, tray); break;
    case kCopyItem: SendMessageW(form, WM_SYSCOMMAND, kSysCommandCopyReading, 0); break;
    case kExitItem: SendMessageW(form, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    default: break;
  }
}

}  // namespace

bool HandleTrayMessage(HWND form, TrayState& tray, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == kSysCommandTray) {
    MinimiseToTray(form, tray);
    return true;
  }
  if (message == kTrayMessage) {
    switch (LOWORD(lParam)) {
      case WM_LBUTTONUP:
      case WM_LBUTTONDBLCLK:
      case NIN_SELECT:
      case NIN_KEYSELECT:
        RestoreFromTray(form, tray);
        break;
      case WM_RBUTTONUP:  // the icon keeps the first notification version: no WM_CONTEXTMENU
        OpenTrayMenu(form, tray);
        break;
      default:
        break;
    }
    return true;
  }
  if (message == TaskbarCreatedMessage() && tray.inTray) {
    NOTIFYICONDATAW data = IconData(form);
    if (!Shell_NotifyIconW(NIM_ADD, &data)) {  // the new shell has no notification area
      tray.inTray = false;
      ShowWindow(form, SW_MINIMIZE);
    }
    return true;
  }
  return false;
}

}  // namespace tesserin::ui
