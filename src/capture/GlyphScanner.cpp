// The glyph scan of the profile block.
#include "capture/GlyphScanner.h"

#include <charconv>

#include "capture/GlyphMatcher.h"

namespace tesserin {

namespace {

constexpr int kMarkerColumn = 3;
constexpr int kAttempts = 4;

// Column origins: a cell with origin c covers columns c + 1 to c + 6.
constexpr int kAgeLeft = 56, kAgeRight = 62;
constexpr int kMonthLeft = 92, kMonthRight = 98;
// The day follows a one-digit month directly, a two-digit month one cell later; a date in
// 12-pixel characters has the day's two characters 12 columns apart.
constexpr int kDayAfterOneDigit = 110, kDayAfterTwoDigits = 116, kDayWideRight = 128;

// The first two characters of the decimal text (the text itself when it is shorter).
std::string Lead(std::int32_t pixel) { return DecimalText(pixel).substr(0, 2); }

GbkString MatchPair(const PixelReader& picture, int left, int right, int row, std::vector<CellOrigin>& cells,
                    int& lastGlyphIndex) {
  cells.push_back({left, row});
  cells.push_back({right, row});
  GbkString text = GlyphMatcher(GlyphString(picture, left, row), lastGlyphIndex);
  text += GlyphMatcher(GlyphString(picture, right, row), lastGlyphIndex);
  return text;
}

}  // namespace

std::string DecimalText(std::int32_t pixel) {
  char digits[16];
  auto result = std::to_chars(digits, digits + sizeof digits, pixel);
  return std::string(digits, result.ptr);
}

bool IsMarkerBackground(std::int32_t pixel) {
  std::string lead = Lead(pixel);
  return lead[0] == '1' && lead != "11";
}

char GlyphBit(std::int32_t pixel) {
  std::string lead = Lead(pixel);
  bool paper = lead.size() == 2 && lead[0] == '1' && lead[1] >= '2' && lead[1] <= '9';
  return paper ? '0' : '1';
}

std::string GlyphString(const PixelReader& picture, int column, int row) {
  std::string glyph;
  glyph.reserve(48);
  for (int y = row + 1; y <= row + 8; ++y) {
    for (int x = column + 1; x <= column + 6; ++x) glyph += GlyphBit(picture.Pixel(x, y));
  }
  return glyph;
}

int FindTextRow(const PixelReader& picture, int start) {
  for (int r = start + 2; r <= start + 302; ++r) {
    if (!IsMarkerBackground(picture.Pixel(kMarkerColumn, r)) &&
        !IsMarkerBackground(picture.Pixel(kMarkerColumn, r + 1)) &&
        !IsMarkerBackground(picture.Pixel(kMarkerColumn, r + 2))) {
      return r + 1;
    }
  }
  return start + 304;
}

BlockScan ScanBlock(const PixelReader& picture, int& lastGlyphIndex) {
  BlockScan scan;
  ScanTexts& texts = scan.texts;
  std::vector<CellOrigin>& cells = scan.cells;
  int row = 0;
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    // The text row sits at different heights depending on what the profile shows above it.
    int start = attempt == 1 ? 1 : 50 * (attempt - 1);
    row = FindTextRow(picture, start);
    texts.age = MatchPair(picture, kAgeLeft, kAgeRight, row, cells, lastGlyphIndex);
    if (!texts.age.empty()) break;
  }

  texts.month = MatchPair(picture, kMonthLeft, kMonthRight, row, cells, lastGlyphIndex);

  // The index may come from an earlier scan when neither month cell matched.
  if (lastGlyphIndex >= 10) {
    texts.day = MatchPair(picture, kDayAfterTwoDigits, kDayWideRight, row, cells, lastGlyphIndex);
  } else if (texts.month.size() == 2) {
    texts.day = MatchPair(picture, kDayAfterTwoDigits, kDayAfterTwoDigits + 6, row, cells, lastGlyphIndex);
  } else {
    texts.day = MatchPair(picture, kDayAfterOneDigit, kDayAfterOneDigit + 6, row, cells, lastGlyphIndex);
  }
  // Two 12-pixel characters such as "10" "5" give "105"; the day is their outer digits.
  if (texts.day.size() == 3) texts.day = {texts.day[0], texts.day[2]};
  return scan;
}

ScanTexts GlyphScanner(const PixelReader& picture, int& lastGlyphIndex) {
  return ScanBlock(picture, lastGlyphIndex).texts;
}

}  // namespace tesserin
