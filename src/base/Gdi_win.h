// Scoped owners for device contexts and GDI objects, so that every path gives back what it
// takes: the window paints for as long as it is open, and the capture runs every 500 ms for days.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace tesserin {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;
using UniquePen = std::unique_ptr<std::remove_pointer_t<HPEN>, GdiObjectDeleter>;
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

// The header of a 32-bit DIB of the given size, top-down (row 0 first), one 0x00RRGGBB value
// a pixel.
inline BITMAPINFO TopDownBitmapInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// CreateCompatibleDC paired with DeleteDC.
struct DeleteDCDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueMemoryDC = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDCDeleter>;

// GetDC (the client area) or GetWindowDC (the whole window) paired with ReleaseDC.
class ScopedDC {
 public:
  explicit ScopedDC(HWND window, bool wholeWindow = false)
      : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
  ~ScopedDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  ScopedDC(const ScopedDC&) = delete;
  ScopedDC& operator=(const ScopedDC&) = delete;
  HDC get() const { return dc_; }
  operator HDC() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// SelectObject undone at the end of the scope.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~ScopedSelect() {
    if (old_) SelectObject(dc_, old_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace tesserin
