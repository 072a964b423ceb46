// The capture picture as a 32-bit top-down DIB section, so that its pixels are read straight
// from memory after the copy, and ProfileCapture.
#include "capture/ProfileCapture_win.h"

#include <algorithm>
#include <cstdint>

#include "base/Gdi_win.h"
#include "capture/BlockGeometry.h"

namespace tesserin {

namespace {

constexpr int kPictureWidth = 161, kPictureHeight = 315;

class CapturePicture : public PixelReader {
 public:
  CapturePicture() {
    const BITMAPINFO info = TopDownBitmapInfo(kPictureWidth, kPictureHeight);
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dc_.reset(CreateCompatibleDC(nullptr));
    if (!bitmap_ || !dc_ || !bits) return;
    bits_ = static_cast<std::uint32_t*>(bits);
    // Selected for the whole run: the picture is the copy's destination every time.
    SelectObject(dc_.get(), bitmap_.get());
    Whiten();
  }

  // The DIB holds 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
  std::int32_t Pixel(int x, int y) const override {
    if (!bits_ || x < 0 || y < 0 || x >= kPictureWidth || y >= kPictureHeight) return kOutside;
    std::uint32_t v = bits_[y * kPictureWidth + x];
    return static_cast<std::int32_t>(((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF));
  }

  bool CopyFrom(HWND window) {
    if (!bits_) return false;
    Whiten();
    if (!window) return false;  // GetDC of no window would copy the whole screen
    ScopedDC source(window);
    bool copied = source.get() && BitBlt(dc_.get(), 0, 0, kBlockWidth, kBlockHeight, source.get(),
                                         kBlockLeft, kBlockTop, SRCCOPY);
    GdiFlush();  // the copy may be batched; the pixels are read from memory next
    return copied;
  }

 private:
  void Whiten() {
    GdiFlush();  // no batched drawing may land on the picture afterwards
    std::fill(bits_, bits_ + kPictureWidth * kPictureHeight, 0x00FFFFFFu);
  }

  // The bitmap outlives the DC it is selected into (members are destroyed in reverse order).
  UniqueBitmap bitmap_;
  UniqueMemoryDC dc_;
  std::uint32_t* bits_ = nullptr;
};

CapturePicture& Picture() {
  static CapturePicture picture;
  return picture;
}

}  // namespace

const PixelReader& CaptureImage() { return Picture(); }

bool ProfileCapture(HWND window) { return Picture().CopyFrom(window); }

}  // namespace tesserin
