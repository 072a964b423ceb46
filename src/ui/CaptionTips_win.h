// The tooltip of the caption buttons. The frame draws them in the non-client area, out of reach
// of a tooltip control's own mouse tracking, so the frame says where the pointer rests: the tip
// shows that button's name below it after the system's hover delay, and goes when the pointer
// leaves the button or presses it.
#pragma once

#include <windows.h>

namespace tesserin::ui {

// Shows `text` below the button at `button` (screen coordinates) once the hover delay is over.
void ShowCaptionTip(HWND form, const wchar_t* text, const RECT& button);
void HideCaptionTip();
// The form is going: so is the tip, which it owns.
void ForgetCaptionTip();

}  // namespace tesserin::ui
