// Creation and layout of the main form: its window classes, the tab control with its two
// pages, every control made in place for the monitor's DPI, the layout again when the DPI
// changes, and the first show.
#pragma once

#include <windows.h>

#include "ui/FormLayout.h"

namespace tesserin::ui {

// Creates the form hidden, laid out for the DPI of the primary monitor, with Timer1 running.
// Returns nullptr when the window cannot be created.
HWND CreateForm1(HINSTANCE instance);

// First show: centred on the screen, page 主界面 in front, focus in the first field.
void ShowForm1(int showCommand);

void ShowPage(Page page);

// FormCreate, on WM_CREATE: the controls in place, Timer1, the frame and the page 主界面.
void FormCreate(HWND form);

// On WM_DPICHANGED: fonts, window size, tab control, pages and every control for the new DPI.
void LayOut(UINT dpi);

// Puts a control in its place again; a label fits its current text.
void PlaceControl(Ctl id);

}  // namespace tesserin::ui
