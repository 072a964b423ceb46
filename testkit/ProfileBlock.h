// Test support: paints the profile block (160 × 300 pixels) the way the messenger's profile
// window lays it out, from the glyph templates, so that scans can be checked against known
// contents. Header-only, shared by the unit tests, the benchmark and the stand-in profile window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "watcher/BlockVisibility.h"
#include "capture/GlyphMatcher.h"
#include "capture/PixelImage.h"

namespace tesserin::testing {

// Column origins of the cells (a cell with origin c covers columns c + 1 to c + 6).
inline constexpr int kAgeColumn = 56;
inline constexpr int kMonthColumn = 92;
inline constexpr int kDayAfterOneDigitMonth = 110;
inline constexpr int kDayAfterTwoDigitMonth = 116;
inline constexpr int kWideCharacter = 12;  // width of a 12-pixel date character

// The right half of a 12-pixel character: ink that fits no template.
inline constexpr std::string_view kRightHalf = "100000100000100000111100100000100000100000100000";

// Template index of a digit of the 6-pixel font ("1" is template 0, "0" template 9).
inline int DigitTemplate(char digit) { return digit == '0' ? 9 : digit - '1'; }

// Template index of the 12-pixel character labelled `label` ("1" to "12" and "20").
inline int WideTemplate(std::string_view label) {
  for (std::size_t i = 10; i < kGlyphCount; ++i) {
    if (GlyphLabels[i] == label) return static_cast<int>(i);
  }
  return -1;
}

// Half-way between two colours (COLORREF values), channel by channel.
inline std::int32_t Halfway(std::int32_t a, std::int32_t b) {
  std::int32_t mixed = 0;
  for (int shift : {0, 8, 16}) mixed |= ((((a >> shift) & 0xFF) + ((b >> shift) & 0xFF)) / 2) << shift;
  return mixed;
}

// A glyph cell with origin (column, row): "1" ink, "0" paper, and "x" (a pixel that the font's
// anti-aliasing paints either way) half-way between, so that the digits look as they read.
inline void DrawCell(PixelImage& picture, int column, int row, std::string_view pattern,
                     std::int32_t ink, std::int32_t paper) {
  for (int i = 0; i < 48 && i < static_cast<int>(pattern.size()); ++i) {
    const std::int32_t colour = pattern[i] == '1' ? ink : pattern[i] == 'x' ? Halfway(ink, paper) : paper;
    picture.SetPixel(column + 1 + i % 6, row + 1 + i / 6, colour);
  }
}

struct Cell {
  int column;
  std::string pattern;  // 48 characters, "" for a blank cell
};

struct ProfileBlock {
  int markerRow = 40;  // first dark row of the marker in column 3; negative: no marker
  std::vector<Cell> cells;
  std::int32_t ink = kBlack;
  std::int32_t paper = kWhite;
  std::int32_t marker = kBlack;
  bool blankCells = false;  // the layout without its glyphs (a block not painted yet)
};

// Age, month and day in the 6-pixel digit font: "25", "3", "14" and the like.
inline ProfileBlock DigitProfile(std::string_view age, std::string_view month,
                                 std::string_view day, int markerRow = 40) {
  ProfileBlock block;
  block.markerRow = markerRow;
  auto digits = [&](std::string_view text, int column) {
    for (char c : text) {
      block.cells.push_back({column, std::string(GlyphTemplates[DigitTemplate(c)])});
      column += 6;
    }
  };
  digits(age, kAgeColumn);
  digits(month, kMonthColumn);
  digits(day, month.size() == 2 ? kDayAfterTwoDigitMonth : kDayAfterOneDigitMonth);
  return block;
}

// A date in 12-pixel characters: one month character (its label, "1" to "12") and one or two
// day characters (labels such as "10", "5" or "20", "" for a character that is no template's);
// the age in digits.
inline ProfileBlock WideProfile(std::string_view age, std::string_view month,
                                const std::vector<std::string>& day, int markerRow = 40) {
  ProfileBlock block = DigitProfile(age, "", "", markerRow);
  auto wide = [&](std::string_view label, int column) {
    if (label.empty()) return;
    block.cells.push_back({column, std::string(GlyphTemplates[WideTemplate(label)])});
    block.cells.push_back({column + 6, std::string(kRightHalf)});
  };
  wide(month, kMonthColumn);
  int column = kDayAfterTwoDigitMonth;
  for (const std::string& label : day) {
    wide(label, column);
    column += kWideCharacter;
  }
  return block;
}

// The block as the window shows it: paper, the marker (a dark square from column 1 to 5), and
// the cells with their row origin one row below the marker's top.
inline PixelImage PaintBlock(const ProfileBlock& block) {
  PixelImage picture(kBlockWidth, kBlockHeight, block.paper);
  if (block.markerRow >= 0) {
    for (int y = block.markerRow; y < block.markerRow + 10; ++y) {
      for (int x = 1; x <= 5; ++x) picture.SetPixel(x, y, block.marker);
    }
  }
  if (block.blankCells) return picture;
  int row = block.markerRow >= 0 ? block.markerRow + 1 : 40;
  for (const Cell& cell : block.cells) {
    DrawCell(picture, cell.column, row, cell.pattern, block.ink, block.paper);
  }
  return picture;
}

// The block inside a capture picture (161 × 315, white), as the capture leaves it.
inline PixelImage CapturePicture(const ProfileBlock& block) {
  PixelImage capture(kBlockWidth + 1, kBlockHeight + 15, kWhite);
  capture.Draw(PaintBlock(block), 0, 0);
  return capture;
}

}  // namespace tesserin::testing
