// Pixels as COLORREF-style values (0x00BBGGRR as a signed 32-bit integer), read through a small
// interface so that the glyph scan runs on a captured bitmap and on an in-memory picture alike.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace tesserin {

inline constexpr std::int32_t kWhite = 0x00FFFFFF;
inline constexpr std::int32_t kBlack = 0;
inline constexpr std::int32_t kOutside = -1;  // CLR_INVALID: a point outside the picture

class PixelReader {
 public:
  virtual ~PixelReader() = default;
  // The value at (x, y), x from the left and y from the top; kOutside outside the picture.
  virtual std::int32_t Pixel(int x, int y) const = 0;
};

// A picture held in memory, row by row.
class PixelImage : public PixelReader {
 public:
  PixelImage(int width, int height, std::int32_t fill = kWhite);

  // A picture from rows of text, one character a pixel: "." white, "#" black, and any other
  // character the value that `ink` gives for it. Rows shorter than the longest are padded white.
  struct Ink {
    char symbol;
    std::int32_t value;
  };
  static PixelImage FromText(std::initializer_list<std::string_view> rows,
                             std::initializer_list<Ink> ink = {});

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::int32_t Pixel(int x, int y) const override;
  // Points outside the picture are ignored.
  void SetPixel(int x, int y, std::int32_t value);
  void Fill(std::int32_t value);
  // Copies `picture` with its top-left corner at (x, y), clipped to this picture.
  void Draw(const PixelImage& picture, int x, int y);
  // The rows, top first, for handing to a bitmap.
  const std::vector<std::int32_t>& Values() const { return values_; }

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  int width_;
  int height_;
  std::vector<std::int32_t> values_;
};

}  // namespace tesserin
