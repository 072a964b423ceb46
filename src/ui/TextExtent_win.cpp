// The ink is found by drawing the text once into a small 32-bit DIB section and scanning it;
// the font's reported glyph metrics cannot be trusted for this.
#include "ui/TextExtent_win.h"

#include <cstdint>

#include "base/Gdi_win.h"

namespace tesserin::ui {
namespace {

struct MemoryDC {
  HDC dc = CreateCompatibleDC(nullptr);
  ~MemoryDC() { DeleteDC(dc); }
};

// One past the rightmost column holding ink when the text is drawn at the left of a box of the
// given size; 0 for no ink.
int InkRight(HFONT font, std::wstring_view text, SIZE box) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = box.cx;
  info.bmiHeader.biHeight = -box.cy;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  MemoryDC memory;
  UniqueBitmap bitmap(CreateDIBSection(memory.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return 0;
  ScopedSelect selectBitmap(memory.dc, bitmap.get());
  ScopedSelect selectFont(memory.dc, font);
  RECT all{0, 0, box.cx, box.cy};
  FillRect(memory.dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetTextColor(memory.dc, RGB(0, 0, 0));
  SetBkMode(memory.dc, TRANSPARENT);
  DrawTextW(memory.dc, text.data(), static_cast<int>(text.size()), &all, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int x = box.cx - 1; x >= 0; --x)
    for (int y = 0; y < box.cy; ++y)
      if ((pixels[y * box.cx + x] & 0xFFFFFF) != 0xFFFFFF) return x + 1;
  return 0;
}

}  // namespace

SIZE LabelExtent(HFONT font, std::wstring_view text) {
  MemoryDC memory;
  ScopedSelect select(memory.dc, font);
  RECT r{};
  DrawTextW(memory.dc, text.data(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  TEXTMETRICW metrics{};
  GetTextMetricsW(memory.dc, &metrics);
  SIZE size{r.right - r.left, metrics.tmHeight};
  if (!text.empty()) {
    const int ink = InkRight(font, text, {size.cx + metrics.tmMaxCharWidth, size.cy});
    if (ink > size.cx) size.cx = ink;
  }
  return size;
}

}  // namespace tesserin::ui
