// The watcher's capture side on Win32: the capture of the profile window's block, then the scan
// of the picture.
#pragma once

#include "watcher/ProfileReader.h"

namespace tesserin {

class Win32ProfileReader : public ProfileReader {
 public:
  // ProfileCapture of the window, then the scan of the picture if the copy was made.
  std::optional<BlockScan> CaptureAndScan(WindowHandle profileWindow) override;

 private:
  // The template of the last glyph matched, over every scan of the run: a scan whose month is
  // not read takes its day layout from the scans before it.
  int lastGlyphIndex_ = 0;
};

}  // namespace tesserin
