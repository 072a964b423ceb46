// Minimise to tray: the form hides behind a notification-area icon, and a click on the icon
// brings it back. Where no notification area takes the icon, the form is minimised instead.
#pragma once

#include <windows.h>

namespace tesserin::ui {

inline constexpr UINT kTrayMessage = WM_APP + 1;  // the icon's notifications to the form
inline constexpr UINT kTrayIconId = 1;

// Returns true when the form went to the tray, false when it was minimised instead.
bool MinimiseToTray(HWND form);
bool InTray();
void RestoreFromTray(HWND form);
void RemoveTrayIcon(HWND form);

// Handles the icon's notifications and the taskbar's restart; returns true when it did.
bool HandleTrayMessage(HWND form, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tesserin::ui
