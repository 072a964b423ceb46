// The capture of a profile window's block into the capture picture, pscreen, the scan of that
// picture, and both together as the watcher's capture side on Win32.
#pragma once

#include <windows.h>

#include "capture/GlyphScanner.h"
#include "capture/PixelImage.h"
#include "capture/ProfileReader.h"

namespace tesserin {

// The capture picture: 161 × 315 pixels, created white before the first capture and kept for
// the whole run. A capture overwrites its top-left 160 × 300 pixels; the rest stays white.
// Pixels read as COLORREF values, kOutside outside the picture.
const PixelReader& CaptureImage();

// Copies the 160 × 300 pixels at client point (60, 306) of the window into the capture
// picture. The copy's success is not looked at: when it fails (a window that is gone), the
// picture keeps what it held. A covered or minimised window copies as whatever the screen
// shows (all black under Wine).
void ProfileCapture(HWND window);

// The glyph scan of the capture picture: age, month and day, for Edit1, Edit2 and Edit3.
ScanTexts pscreen();

class Win32ProfileReader : public ProfileReader {
 public:
  // ProfileCapture of the window, then pscreen.
  ScanTexts CaptureAndScan(WindowHandle profileWindow) override;
};

}  // namespace tesserin
