// The personality memo (Memo1) holds up to three lines of personality text and note in a box
// two lines high: it shows a vertical scroll bar while, and only while, its text is longer than
// the box, so that the whole text can be read with the mouse.
//
// The text always wraps at the width it has beside the bar, whether the bar shows or not: the
// bar coming and going never rewraps it. Wine's edit control loses memory on each rewrap for a
// new width (about 1 KB a reading when the bar came and went around each long text; see
// bench/RESULTS.md and the probe edit_rewrap_probe), and a text that does not move is also
// the calmer one to read.
#pragma once

#include <windows.h>

namespace tesserin::ui {

// Takes the memo's wrapping width over from the edit control, which would otherwise rewrap its
// text whenever the bar changes the width of its client area. Once, on creation.
void AttachMemoScrollBar(HWND memo);

// Shows or hides the memo's vertical scroll bar for its current text, font and size; after a
// new size or font, sets the width the text wraps at first.
void FitMemoScrollBar(HWND memo);

}  // namespace tesserin::ui
