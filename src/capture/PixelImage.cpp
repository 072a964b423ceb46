// The in-memory picture.
#include "capture/PixelImage.h"

#include <algorithm>
#include <cstddef>

namespace tesserin {

PixelImage::PixelImage(int width, int height, std::int32_t fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      values_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

PixelImage PixelImage::FromText(std::initializer_list<std::string_view> rows,
                                std::initializer_list<Ink> ink) {
  std::size_t width = 0;
  for (std::string_view row : rows) width = std::max(width, row.size());
  PixelImage picture(static_cast<int>(width), static_cast<int>(rows.size()));
  int y = 0;
  for (std::string_view row : rows) {
    for (std::size_t x = 0; x < row.size(); ++x) {
      std::int32_t value = row[x] == '#' ? kBlack : kWhite;
      for (const Ink& i : ink) {
        if (i.symbol == row[x]) value = i.value;
      }
      picture.SetPixel(static_cast<int>(x), y, value);
    }
    ++y;
  }
  return picture;
}

std::int32_t PixelImage::Pixel(int x, int y) const {
  if (!Inside(x, y)) return kOutside;
  return values_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                 static_cast<std::size_t>(x)];
}

void PixelImage::SetPixel(int x, int y, std::int32_t value) {
  if (!Inside(x, y)) return;
  values_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
          static_cast<std::size_t>(x)] = value;
}

void PixelImage::Fill(std::int32_t value) { std::fill(values_.begin(), values_.end(), value); }

void PixelImage::Draw(const PixelImage& picture, int x, int y) {
  for (int py = 0; py < picture.height_; ++py) {
    for (int px = 0; px < picture.width_; ++px) SetPixel(x + px, y + py, picture.Pixel(px, py));
  }
}

}  // namespace tesserin
