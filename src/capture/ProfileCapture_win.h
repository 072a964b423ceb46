// The capture of a profile window's block into the capture picture.
#pragma once

#include <windows.h>

#include "capture/GlyphScanner.h"
#include "capture/PixelImage.h"

namespace tesserin {

// The capture picture: 161 × 315 pixels, kept for the whole run and whitened before every
// capture. A capture overwrites its top-left 160 × 300 pixels; the rest stays white.
// Pixels read as COLORREF values, kOutside outside the picture.
const PixelReader& CaptureImage();

// Copies the 160 × 300 pixels at client point (60, 306) of the window into the capture
// picture, whitened first, so that nothing of an earlier copy stays. Returns whether the copy
// was made: not for a window that is gone. A covered or minimised window copies as whatever
// the screen shows (black under Wine where it is covered or off the screen).
bool ProfileCapture(HWND window);

}  // namespace tesserin
