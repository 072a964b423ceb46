// Minimise to tray: the form hides behind a notification-area icon, and a click on the icon
// brings it back. Where no notification area takes the icon, the form is minimised instead.
#pragma once

#include <windows.h>

namespace tesserin::ui {

inline constexpr UINT kTrayMessage = WM_APP + 1;  // the icon's notifications to the form
inline constexpr UINT kTrayIconId = 1;

// Part of the form's state (FormState_win.h).
struct TrayState {
  bool inTray = false;  // the icon is in the notification area, the form hidden behind it
};

// The icon goes, as the form does.
void RemoveTrayIcon(HWND form, TrayState& tray);

// Handles the window menu's and the tray button's command "最小化到托盘", the icon's
// notifications and the taskbar's restart; returns true when it did.
bool HandleTrayMessage(HWND form, TrayState& tray, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tesserin::ui
