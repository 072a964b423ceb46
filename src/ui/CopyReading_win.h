// Copy the reading: Ctrl+C in the main window, unless an edit field has text selected (that
// field copies its selection as usual), and the window menu's command put the six result
// fields on the clipboard as plain text, as tesserin-cli prints them. While the page shows no
// reading (before the first, after a refused date or an unreadable profile) there is nothing
// to copy, and nothing is said.
#pragma once

#include <windows.h>

#include "form/MenuCommands.h"

namespace tesserin::ui {

// Adds the command to the window menu, above "最小化到托盘" when that is there.
void AddCopyReadingCommand(HWND form);

// Ctrl+C for any window of the form, before the message is dispatched. Returns true when the
// key was taken (the reading copied, or nothing to copy).
bool HandleCopyKey(const MSG& msg);

// The window menu's command, which the tray icon's menu sends too. Returns true when the
// message was this command.
bool HandleCopyCommand(UINT message, WPARAM wParam);

// Greys the window menu's command while there is nothing to copy; the tray icon's menu, which
// is made each time it opens, offers it as the window menu does.
void ShowCopyCommandState(HWND form);

}  // namespace tesserin::ui
