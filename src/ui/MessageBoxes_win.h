// The form's two message boxes. Both are modal to their owner (the form), and both keep the
// message loop running: timer ticks and key presses still arrive while they are open.
#pragma once

#include <windows.h>

#include <string_view>

namespace tesserin::ui {

// ShowMessage: the text (code page 936) with an OK button, captioned with the application title.
void ShowMessage(HWND owner, std::string_view gbkText);

// The standard error box: stop icon, application title, the text with its full stop.
void ShowErrorBox(HWND owner, std::string_view gbkText);

// Reports the exception being handled in the standard error box. Call only inside a catch block:
// every window procedure ends in one, so no exception crosses into the system's code.
void ReportCurrentException(HWND owner) noexcept;

}  // namespace tesserin::ui
