// The two byte layouts the capture targets read pictures from, with their encoders for the
// seed writer. Both begin with one byte for the matcher's remembered template index, which
// carries over between scans in the program and so is part of a scan's input.
//
// Palette picture (any picture):
//   byte    remembered template index (mod the template count)
//   word    width (mod 400), word height (mod 400)
//   byte    palette size - 1 (mod 16)
//   int32   each palette value
//   byte    each pixel, row by row, as a palette index (mod the size); missing pixels are the
//           first palette value
//
// Block recipe (a valid profile block, then changed):
//   byte    remembered template index
//   byte    layout: bit 0 the 12-pixel date font, bit 1 the cells left blank, bit 2 no marker
//   word    marker row (mod 330)
//   int32   ink, paper, marker
//   byte    age digit count (mod 4), then one byte a digit (mod 10)
//   byte    month: a digit count and digits, or in the 12-pixel font one byte choosing a label
//   byte    day: likewise; in the 12-pixel font a character count (mod 3) and one byte each
//   then    changed pixels until the end: byte x (mod 170), word y (mod 330), int32 value
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzInput.h"
#include "capture/GlyphMatcher.h"
#include "capture/PixelImage.h"
#include "ProfileBlock.h"

namespace tesserin::fuzz {

inline constexpr int kMaxSide = 400;
inline constexpr int kMaxPalette = 16;
inline constexpr int kEditColumns = 170;  // a little past the capture's 161 columns
inline constexpr int kEditRows = 330;     // and its 315 rows

inline int RememberedIndex(ByteReader& in) { return in.Byte() % static_cast<int>(kGlyphCount); }

// A palette picture as the scan reads it, straight from the input's bytes: nothing is painted
// or allocated for an input, so that a large picture of few bytes costs what its scan costs.
// (Painted into a PixelImage, a fresh buffer of up to 640 KB for every new size, the decoding
// took most of the target's time: 370 inputs a second, fuzz/README.md.)
class PalettePicture : public PixelReader {
 public:
  FUZZ_NO_COVERAGE std::int32_t Pixel(int x, int y) const override {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kOutside;
    const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    return palette_[at < pixels_.size() ? static_cast<std::uint8_t>(pixels_[at]) % palette_.size() : 0];
  }

  int Width() const { return width_; }
  int Height() const { return height_; }

  FUZZ_NO_COVERAGE void Decode(ByteReader& in, int& rememberedIndex) {
    rememberedIndex = RememberedIndex(in);
    width_ = in.Word() % kMaxSide;
    height_ = in.Word() % kMaxSide;
    const int paletteSize = 1 + in.Byte() % kMaxPalette;
    palette_.clear();
    for (int i = 0; i < paletteSize; ++i) palette_.push_back(in.Int32());
    pixels_ = in.Rest();
    const std::size_t area = static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
    if (pixels_.size() > area) pixels_ = pixels_.substr(0, area);
  }

 private:
  int width_ = 0, height_ = 0;
  std::vector<std::int32_t> palette_;
  std::string_view pixels_;  // a palette index a byte, row by row; the rest are palette_[0]
};

// Empty when the picture has more distinct values than a palette holds.
inline std::string EncodePalettePicture(const PixelImage& picture, int rememberedIndex) {
  std::vector<std::int32_t> palette;
  for (std::int32_t v : picture.Values()) {
    if (std::find(palette.begin(), palette.end(), v) == palette.end()) palette.push_back(v);
  }
  if (palette.empty()) palette.push_back(kWhite);
  if (palette.size() > kMaxPalette) return {};
  std::string out;
  out += static_cast<char>(rememberedIndex);
  PutWord(out, static_cast<std::uint16_t>(picture.Width()));
  PutWord(out, static_cast<std::uint16_t>(picture.Height()));
  out += static_cast<char>(palette.size() - 1);
  for (std::int32_t v : palette) PutInt32(out, v);
  for (std::int32_t v : picture.Values()) {
    out += static_cast<char>(std::find(palette.begin(), palette.end(), v) - palette.begin());
  }
  return out;
}

// The labels a byte of the 12-pixel font chooses from: the templates' labels and "" (no
// template's character).
inline std::string WideLabel(std::uint8_t choice) {
  int count = static_cast<int>(kGlyphCount) - 10 + 1;
  int i = choice % count;
  return i == count - 1 ? std::string() : std::string(GlyphLabels[10 + i]);
}

inline std::string DigitText(ByteReader& in) {
  std::string text;
  for (int n = in.Byte() % 4; n > 0; --n) text += static_cast<char>('0' + in.Byte() % 10);
  return text;
}

struct BlockEdit {
  int x, y;
  std::int32_t value;
};

struct BlockRecipe {
  int rememberedIndex = 0;
  testing::ProfileBlock block;
  std::vector<BlockEdit> edits;

  // The capture picture of the block (testing::CapturePicture), edits not applied, painted
  // into `capture`, whose buffer is kept: a fresh picture for every input costs more than the
  // scan.
  FUZZ_NO_COVERAGE void PaintUnchanged(PixelImage& capture) const {
    using namespace testing;
    if (capture.Width() != kBlockWidth + 1 || capture.Height() != kBlockHeight + 15) {
      capture = PixelImage(kBlockWidth + 1, kBlockHeight + 15);
    }
    capture.Fill(block.paper);
    if (block.markerRow >= 0) capture.Draw(PixelImage(5, 10, block.marker), 1, block.markerRow);
    if (!block.blankCells) {
      int row = block.markerRow >= 0 ? block.markerRow + 1 : 40;
      for (const Cell& cell : block.cells) DrawCell(capture, cell.column, row, cell.pattern, block.ink, block.paper);
    }
    // Last, the capture's white margins right of and below the block, which clip what the block
    // holds.
    for (int y = 0; y < capture.Height(); ++y) capture.SetPixel(kBlockWidth, y, kWhite);
    for (int y = kBlockHeight; y < capture.Height(); ++y) {
      for (int x = 0; x < kBlockWidth; ++x) capture.SetPixel(x, y, kWhite);
    }
  }
  FUZZ_NO_COVERAGE void ApplyEdits(PixelImage& picture) const {
    for (const BlockEdit& e : edits) picture.SetPixel(e.x, e.y, e.value);
  }
};

FUZZ_NO_COVERAGE inline BlockRecipe DecodeBlockRecipe(ByteReader& in) {
  BlockRecipe recipe;
  recipe.rememberedIndex = RememberedIndex(in);
  std::uint8_t layout = in.Byte();
  int markerRow = (layout & 4) ? -1 : in.Word() % kEditRows;
  std::int32_t ink = in.Int32(), paper = in.Int32(), marker = in.Int32();
  std::string age = DigitText(in);
  if (layout & 1) {
    std::string month = WideLabel(in.Byte());
    std::vector<std::string> day;
    for (int n = in.Byte() % 3; n > 0; --n) day.push_back(WideLabel(in.Byte()));
    recipe.block = testing::WideProfile(age, month, day, markerRow);
  } else {
    std::string month = DigitText(in);
    std::string day = DigitText(in);
    recipe.block = testing::DigitProfile(age, month, day, markerRow);
  }
  recipe.block.ink = ink;
  recipe.block.paper = paper;
  recipe.block.marker = marker;
  recipe.block.blankCells = (layout & 2) != 0;
  while (in.Left() > 0) {
    int x = in.Byte() % kEditColumns;
    int y = in.Word() % kEditRows;
    recipe.edits.push_back({x, y, in.Int32()});
  }
  return recipe;
}

// What the seed writer encodes as a block recipe. `day` holds one digit text, or in the
// 12-pixel font up to two labels; month is a digit text or one label.
struct BlockSeed {
  int rememberedIndex = 0;
  bool wide = false;
  bool blankCells = false;
  int markerRow = 40;  // negative: no marker
  std::int32_t ink = kBlack, paper = kWhite, marker = kBlack;
  std::string age, month;
  std::vector<std::string> day;
  std::vector<BlockEdit> edits;
};

inline std::string EncodeBlockRecipe(const BlockSeed& seed) {
  auto digits = [](std::string& out, const std::string& text) {
    out += static_cast<char>(text.size());
    for (char c : text) out += static_cast<char>(c - '0');
  };
  auto label = [](std::string& out, const std::string& text) {
    std::uint8_t choice = 0;
    while (WideLabel(choice) != text) ++choice;
    out += static_cast<char>(choice);
  };
  std::string out;
  out += static_cast<char>(seed.rememberedIndex);
  out += static_cast<char>((seed.wide ? 1 : 0) | (seed.blankCells ? 2 : 0) | (seed.markerRow < 0 ? 4 : 0));
  if (seed.markerRow >= 0) PutWord(out, static_cast<std::uint16_t>(seed.markerRow));
  PutInt32(out, seed.ink);
  PutInt32(out, seed.paper);
  PutInt32(out, seed.marker);
  digits(out, seed.age);
  if (seed.wide) {
    label(out, seed.month);
    out += static_cast<char>(seed.day.size());
    for (const std::string& d : seed.day) label(out, d);
  } else {
    digits(out, seed.month);
    digits(out, seed.day.empty() ? std::string() : seed.day[0]);
  }
  for (const BlockEdit& e : seed.edits) {
    out += static_cast<char>(e.x);
    PutWord(out, static_cast<std::uint16_t>(e.y));
    PutInt32(out, e.value);
  }
  return out;
}

}  // namespace tesserin::fuzz
