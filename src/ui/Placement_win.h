// Where the main form's windows go for a DPI: the window's size, the tab control's page area
// and each control's rectangle, at creation and again when the DPI or a label's text changes.
#pragma once

#include <windows.h>

#include <string_view>

#include "form/Layout.h"

namespace tesserin::ui {

// A control's place on its page for the current DPI; a label fits `text`.
RECT ControlRect(const ControlSpec& layout, std::wstring_view text);
// The page area of the tab control at its current size and font.
RECT PageArea();
// The window's size for the client area of the layout at this DPI.
void SizeWindow(UINT dpi);

// On WM_DPICHANGED: fonts, window size, tab control, pages and every control for the new DPI.
void LayOut(UINT dpi);

// Puts a control in its place again; a label fits its current text.
void PlaceControl(Ctl id);

}  // namespace tesserin::ui
