// Memo1 holds up to three lines of personality text and note in a box two lines high: it shows
// a vertical scroll bar while, and only while, its text is longer than the box, so that the
// whole text can be read with the mouse.
#pragma once

#include <windows.h>

namespace tesserin::ui {

// Shows or hides the memo's vertical scroll bar for its current text, font and size.
void FitMemoScrollBar(HWND memo);

}  // namespace tesserin::ui
