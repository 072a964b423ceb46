// The ink is found by drawing the text once into a small 32-bit DIB section and scanning it;
// the font's reported glyph metrics cannot be trusted for this.
#include "ui/TextExtent_win.h"

#include <cstdint>

#include "base/Gdi_win.h"

namespace tesserin::ui {
namespace {

// One past the rightmost column holding ink when the text is drawn at the left of a box of the
// given size; 0 for no ink.
int InkRight(HFONT font, std::wstring_view text, SIZE box) {
  const BITMAPINFO info = TopDownBitmapInfo(box.cx, box.cy);
  void* bits = nullptr;
  const UniqueMemoryDC memory(CreateCompatibleDC(nullptr));
  UniqueBitmap bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return 0;
  ScopedSelect selectBitmap(memory.get(), bitmap.get());
  ScopedSelect selectFont(memory.get(), font);
  RECT all{0, 0, box.cx, box.cy};
  FillRect(memory.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetTextColor(memory.get(), RGB(0, 0, 0));
  SetBkMode(memory.get(), TRANSPARENT);
  DrawTextW(memory.get(), text.data(), static_cast<int>(text.size()), &all, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int x = box.cx - 1; x >= 0; --x)
    for (int y = 0; y < box.cy; ++y)
      if ((pixels[y * box.cx + x] & 0xFFFFFF) != 0xFFFFFF) return x + 1;
  return 0;
}

}  // namespace

SIZE LabelExtent(HFONT font, std::wstring_view text) {
  const UniqueMemoryDC memory(CreateCompatibleDC(nullptr));
  ScopedSelect select(memory.get(), font);
  RECT r{};
  DrawTextW(memory.get(), text.data(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  TEXTMETRICW metrics{};
  GetTextMetricsW(memory.get(), &metrics);
  SIZE size{r.right - r.left, metrics.tmHeight};
  if (!text.empty()) {
    const int ink = InkRight(font, text, {size.cx + metrics.tmMaxCharWidth, size.cy});
    if (ink > size.cx) size.cx = ink;
  }
  return size;
}

}  // namespace tesserin::ui
