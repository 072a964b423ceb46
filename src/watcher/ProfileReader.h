// What the profile watcher needs of the capture side, beside the window system: a profile
// window's block copied into the capture picture (ProfileCapture) and scanned (ScanBlock), so
// that the watcher's decisions run and are tested without a screen.
#pragma once

#include <optional>

#include "capture/GlyphScanner.h"
#include "watcher/WindowSystem.h"

namespace tesserin {

class ProfileReader {
 public:
  virtual ~ProfileReader() = default;

  // Copies the profile block of the window into the capture picture and scans it: the age,
  // month and day, each "" when not recognised, and the cells read. Nothing when the copy
  // failed (a window gone meanwhile): then nothing is scanned, so an earlier window's picture is
  // never read as this one's. Writes no field of the form.
  virtual std::optional<BlockScan> CaptureAndScan(WindowHandle profileWindow) = 0;
};

}  // namespace tesserin
