// capture/: the profile block's pixels: the in-memory picture, the copy of a window's block
// (ProfileCapture_win.h), the glyph scanner (this file) and the template matcher.
//
// Reads the contact's age, birth month and birth day from the captured profile block (160 × 300
// pixels of the profile window's client area from (60, 306), in a 161 × 315 picture).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/Gbk.h"
#include "capture/PixelImage.h"

namespace tesserin {

// The three recognised texts; each is "" when nothing was recognised.
struct ScanTexts {
  GbkString age;    // Edit1
  GbkString month;  // Edit2
  GbkString day;    // Edit3
  bool operator==(const ScanTexts&) const = default;
};

// The pixel value written in decimal ("16777215" for white, "-1" outside the picture). Both
// pixel tests below look at its first characters only, which is how the profile window's
// palette is told apart: light backgrounds are 12xxxxxx to 16xxxxxx.
std::string DecimalText(std::int32_t pixel);

// Background of the marker column: the decimal text begins with "1" but not with "11".
bool IsMarkerBackground(std::int32_t pixel);

// '0' when the decimal text begins with "12" to "19", otherwise '1' (ink).
char GlyphBit(std::int32_t pixel);

// The 48-character glyph string of the cell covering columns column + 1 to column + 6 and
// rows row + 1 to row + 8.
std::string GlyphString(const PixelReader& picture, int column, int row);

// The row origin of the text row: the search runs down column 3 from row start + 2 to
// start + 302 for three pixels in a row that are not marker background.
int FindTextRow(const PixelReader& picture, int start);

// A glyph cell by its origin: it covers columns column + 1 to column + 6 and rows row + 1 to
// row + 8 of the picture.
struct CellOrigin {
  int column;
  int row;
  bool operator==(const CellOrigin&) const = default;
};

// What a scan read, and every cell it compared with the templates, in the order it looked at
// them: a reading holds only if all those cells showed the profile window itself.
struct BlockScan {
  ScanTexts texts;
  std::vector<CellOrigin> cells;
};

// The full scan: up to four marker searches for an age, then month and day from the same row.
// Matching goes through GlyphMatcher, which updates lastGlyphIndex; its value after the month
// decides the day layout, and when neither month cell matched, it is an earlier scan's.
BlockScan ScanBlock(const PixelReader& picture, int& lastGlyphIndex);

// The texts of ScanBlock.
ScanTexts GlyphScanner(const PixelReader& picture, int& lastGlyphIndex);

}  // namespace tesserin
