// ui/: the main window on Win32 (the form, its frame, tray, copy and message boxes, the bindings
// of the reading and the watcher to its controls); its portable rules are in form/.
//
// The main form TForm1 as a window: its class, a dialog class (DLGWINDOWEXTRA, DefDlgProcW), so
// that the dialog manager gives it Tab order, WM_NEXTDLGCTL and default focus handling; its
// window procedure, and its pages', which pass their controls' notifications and colour
// requests on to the form; its creation and first show.
#pragma once

#include <windows.h>

namespace tesserin::ui {

// Creates the form hidden, laid out for the DPI of the primary monitor, with the watcher's timer
// running.
// Returns nullptr when the window cannot be created.
HWND CreateMainWindow(HINSTANCE instance);

// First show: centred on the screen, page 主界面 in front, focus in the first field.
void ShowMainWindow(int showCommand);

}  // namespace tesserin::ui
