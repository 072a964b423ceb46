#include "watcher/ProfileReader_win.h"

#include <windows.h>

#include "capture/ProfileCapture_win.h"

namespace tesserin {

std::optional<BlockScan> Win32ProfileReader::CaptureAndScan(WindowHandle profileWindow) {
  if (!ProfileCapture(reinterpret_cast<HWND>(profileWindow))) return std::nullopt;
  return ScanBlock(CaptureImage(), lastGlyphIndex_);
}

}  // namespace tesserin
