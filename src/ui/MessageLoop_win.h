// The program's message loop and the form's keyboard interface: dialog keys (Tab, the focus
// moves), Ctrl+Tab between the pages and Ctrl+C for the reading.
#pragma once

#include <windows.h>

namespace tesserin::ui {

// Handles a message for the form's keyboard interface. Returns false when the caller should
// translate and dispatch it as usual.
bool PreTranslateFormMessage(MSG& msg);

// Runs until WM_QUIT (posted when the form is destroyed); returns its code.
int RunMessageLoop();

}  // namespace tesserin::ui
