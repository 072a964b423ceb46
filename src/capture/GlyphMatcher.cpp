// The glyph templates of the profile window's fonts and the first-fit matcher.
#include "capture/GlyphMatcher.h"

namespace tesserin {

// The profile window's glyphs, as 8 rows of 6 pixels each.
const std::array<std::string_view, kGlyphCount> GlyphTemplates = {
    // Digits of the 6-pixel font, with "x" where anti-aliasing varies.
    "00x10001110000110x00110x00110x00110x001100011110",  //  0
    "x111x0100x10000x1xx00xxx00x10x0x100xx1000x11111x",  //  1
    "xx11x0100x10000x1x0xx1xx000xxx00x0xx1x0xxx1111x0",  //  2
    "00011x00111001x11x1x011xx1111100011x00011x000110",  //  3
    "xx1110x10000x1000xxx11xx000x1x000x10100110111100",  //  4
    "0111xx11000010000xx1110x100x1x100x1x1x0x10xx1100",  //  5
    "1x111x00001x000x100001x000x100001x000x1000xxx000",  //  6
    "1x11xxx00x10x00x10xxx100x0xxx0x0xxx0xxxxx0x1xx00",  //  7
    "xx1100x00110100x10100010111110000110000x00111000",  //  8
    "xx11001001x0100110100x10100x1010011x1001x0xx1100",  //  9
    // Left halves of the 12-pixel-wide date characters.
    "000001000001001001001001001001001001001001001001",  // 10
    "011111000000000000000000000000000000000000111111",  // 11
    "000000000000000000001111000000000000000000000000",  // 12
    "010010010010010010010010010100011000010000011111",  // 13
    "000010000010011111000010000010000100000100000100",  // 14
    "000001111111000000000100000100001000001000010000",  // 15
    "000010000010000011111110000010000010000010000010",  // 16
    "000100000100000100000100000100001000001000010000",  // 17
    "000010111111000010000010000010000100000100001000",  // 18
    "000001000001111111000001000001000001000001000001",  // 19
    "000100001010010001000010001100110001000000000111",  // 20
    "010111011100010111010100011101010101010101100101",  // 21
    "000100000100111111000100000100000100000100000111",  // 22
};

const std::array<std::string_view, kGlyphCount> GlyphLabels = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "0",
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "20",
};

namespace {

bool Fits(std::string_view pattern, std::string_view glyph) {
  for (std::size_t k = 0; k < glyph.size(); ++k) {
    if (k >= pattern.size()) return false;
    if (pattern[k] != 'x' && pattern[k] != glyph[k]) return false;
  }
  return true;
}

}  // namespace

GbkString GlyphMatcher(std::string_view glyph, int& lastGlyphIndex) {
  for (std::size_t i = 0; i < kGlyphCount; ++i) {
    if (Fits(GlyphTemplates[i], glyph)) {
      lastGlyphIndex = static_cast<int>(i);
      return GbkString(GlyphLabels[i]);
    }
  }
  return {};
}

}  // namespace tesserin
