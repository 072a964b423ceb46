// The glyph scan over synthetic capture pictures: pixel tests, marker search, the four
// attempts and the day layouts.
#include "capture/GlyphScanner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture/GlyphMatcher.h"
#include "ProfileBlock.h"

namespace tesserin {
namespace {

// The index of the last matched template, carried from one scan to the next as the program's
// reader carries it; each test sets it where the case needs.
int LastGlyphIndex = 0;

using testing::CapturePicture;
using testing::DigitProfile;
using testing::ProfileBlock;
using testing::WideProfile;

TEST(PixelTests, ReadTheFirstCharactersOfTheDecimalText) {
  struct Case {
    const char* what;
    std::int32_t pixel;
    const char* decimal;
    bool markerBackground;
    char glyphBit;
  };
  const Case cases[] = {
      {"white", 0x00FFFFFF, "16777215", true, '0'},
      {"silver", 0x00C0C0C0, "12632256", true, '0'},
      {"grey", 0x00808080, "8421504", false, '1'},
      {"black", 0, "0", false, '1'},
      {"two-digit value", 15, "15", true, '0'},
      {"one-character text 1", 1, "1", true, '1'},
      {"outside the picture", -1, "-1", false, '1'},
      {"text starting 10", 0x00A0A0A0, "10526880", true, '1'},
      {"text starting 11", 0x00AAAAAA, "11184810", false, '1'},
      {"blue ink reads as paper", 0x00FF0000, "16711680", true, '0'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.decimal, DecimalText(c.pixel));
    EXPECT_EQ(c.markerBackground, IsMarkerBackground(c.pixel));
    EXPECT_EQ(c.glyphBit, GlyphBit(c.pixel));
  }
}

TEST(GlyphScanner, WorkedExampleReadsTheDigitOneBelowAThreeRowMarker) {
  PixelImage capture(161, 315);
  for (int y = 40; y <= 42; ++y) capture.SetPixel(3, y, kBlack);
  capture.Draw(PixelImage::FromText({
                   "...#..",
                   ".###..",
                   "..##..",
                   "..##..",
                   "..##..",
                   "..##..",
                   "..##..",
                   ".####.",
               }),
               57, 42);
  EXPECT_EQ(41, FindTextRow(capture, 1));
  EXPECT_EQ("000100011100001100001100001100001100001100011110", GlyphString(capture, 56, 41));
  LastGlyphIndex = 0;
  EXPECT_EQ((ScanTexts{"1", "", ""}), GlyphScanner(capture, LastGlyphIndex));
}

TEST(GlyphScanner, WithoutAMarkerTheSearchEndsBelowItsWindow) {
  PixelImage capture(161, 315);
  struct Case {
    int start;
    int row;
  };
  // The first window ends inside the picture; the later ones reach the rows outside it, which
  // are never marker background, at row 315.
  for (Case c : {Case{1, 305}, Case{50, 316}, Case{100, 316}, Case{150, 316}}) {
    SCOPED_TRACE("start " + std::to_string(c.start));
    EXPECT_EQ(c.row, FindTextRow(capture, c.start));
  }
}

TEST(GlyphScanner, AWhiteOrBlackCaptureReadsNothing) {
  for (std::int32_t fill : {kWhite, kBlack}) {
    SCOPED_TRACE(DecimalText(fill));
    PixelImage capture(161, 315, kWhite);
    capture.Draw(PixelImage(160, 300, fill), 0, 0);
    LastGlyphIndex = 4;
    EXPECT_EQ((ScanTexts{"", "", ""}), GlyphScanner(capture, LastGlyphIndex));
    EXPECT_EQ(4, LastGlyphIndex);
  }
}

TEST(GlyphScanner, ReadsProfilesInBothLayouts) {
  struct Case {
    const char* what;
    ProfileBlock block;
    ScanTexts expected;
  };
  const Case cases[] = {
      {"two-digit age, one-digit month: day follows the month", DigitProfile("25", "3", "14"),
       {"25", "3", "14"}},
      {"two-digit month: day one cell later", DigitProfile("31", "12", "28"), {"31", "12", "28"}},
      {"one-digit day after a two-digit month", DigitProfile("19", "10", "7"), {"19", "10", "7"}},
      {"one-digit day after a one-digit month", DigitProfile("46", "9", "5"), {"46", "9", "5"}},
      {"marker near the bottom", DigitProfile("88", "1", "30", 280), {"88", "1", "30"}},
      {"12-pixel month 11 puts the day characters 12 apart", WideProfile("25", "11", {"10", "5"}),
       {"25", "11", "15"}},
      {"12-pixel month 3", WideProfile("27", "3", {"2", "10"}), {"27", "3", "20"}},
      {"day twenty-three", WideProfile("33", "12", {"20", "3"}), {"33", "12", "23"}},
      {"day thirty", WideProfile("40", "7", {"3", "10"}), {"40", "7", "30"}},
      {"day of one character in the second cell", WideProfile("22", "5", {"", "5"}),
       {"22", "5", "5"}},
      {"day of four characters stays", WideProfile("22", "5", {"10", "10"}), {"22", "5", "1010"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LastGlyphIndex = 0;
    EXPECT_EQ(c.expected, GlyphScanner(CapturePicture(c.block), LastGlyphIndex));
  }
}

TEST(GlyphScanner, ReportsEveryCellItRead) {
  struct Case {
    const char* what;
    PixelImage capture;
    std::vector<CellOrigin> cells;
  };
  PixelImage secondAttempt = CapturePicture(DigitProfile("25", "3", "14", 120));
  // A bar with nothing beside it, above the marker.
  for (int y = 10; y < 13; ++y) secondAttempt.SetPixel(3, y, kBlack);
  const Case cases[] = {
      {"digits, one-digit month", CapturePicture(DigitProfile("25", "3", "14")),
       {{56, 41}, {62, 41}, {92, 41}, {98, 41}, {110, 41}, {116, 41}}},
      {"digits, two-digit month", CapturePicture(DigitProfile("31", "12", "28")),
       {{56, 41}, {62, 41}, {92, 41}, {98, 41}, {116, 41}, {122, 41}}},
      {"12-pixel date", CapturePicture(WideProfile("25", "11", {"10", "5"})),
       {{56, 41}, {62, 41}, {92, 41}, {98, 41}, {116, 41}, {128, 41}}},
      {"the age found by the second attempt: the first attempt's cells too", secondAttempt,
       {{56, 11}, {62, 11}, {56, 121}, {62, 121}, {92, 121}, {98, 121}, {110, 121}, {116, 121}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LastGlyphIndex = 0;
    BlockScan scan = ScanBlock(c.capture, LastGlyphIndex);
    EXPECT_EQ(c.cells, scan.cells);
    LastGlyphIndex = 0;
    EXPECT_EQ(GlyphScanner(c.capture, LastGlyphIndex), scan.texts);
  }
}

TEST(GlyphScanner, WhenNoMonthCellMatchesTheDayLayoutFollowsAnEarlierScan) {
  // No age and no month: all four attempts find the marker at row 160, and the day layout is
  // decided by whatever matched last before this scan. The cells at 117-122 and 129-134 hold
  // a digit "1" and a 12-pixel "5".
  ProfileBlock block = DigitProfile("", "", "", 160);
  block.cells.push_back({116, std::string(GlyphTemplates[0])});
  block.cells.push_back({128, std::string(GlyphTemplates[14])});
  struct Case {
    const char* what;
    int lastIndexBefore;
    const char* day;
  };
  const Case cases[] = {
      {"after a 12-pixel match: cells 117-122 and 129-134", 19, "15"},
      {"after a digit match: cells 111-116 and 117-122", 3, "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LastGlyphIndex = c.lastIndexBefore;
    EXPECT_EQ((ScanTexts{"", "", c.day}), GlyphScanner(CapturePicture(block), LastGlyphIndex));
  }
}

TEST(GlyphScanner, LaterAttemptsSearchFromTheirOwnStart) {
  // Dark bars in the marker column with nothing beside them, above the real text row.
  struct Case {
    const char* what;
    std::vector<int> bars;
    int markerRow;
  };
  const Case cases[] = {
      {"second attempt", {10}, 120},
      {"third attempt", {10, 60}, 130},
      {"fourth attempt", {10, 60, 110}, 160},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PixelImage capture = CapturePicture(DigitProfile("25", "3", "14", c.markerRow));
    for (int bar : c.bars) {
      for (int y = bar; y < bar + 3; ++y) capture.SetPixel(3, y, kBlack);
    }
    LastGlyphIndex = 0;
    EXPECT_EQ((ScanTexts{"25", "3", "14"}), GlyphScanner(capture, LastGlyphIndex));
  }
}

TEST(GlyphScanner, AnAgeThatIsNeverFoundTakesMonthAndDayFromTheLastAttemptsRow) {
  // The month and day beside the only marker are not read: the fourth attempt's row lies
  // below the picture.
  ProfileBlock block = DigitProfile("", "3", "14");
  LastGlyphIndex = 0;
  EXPECT_EQ((ScanTexts{"", "", ""}), GlyphScanner(CapturePicture(block), LastGlyphIndex));
}

TEST(GlyphScanner, ColoursReadByTheirDecimalText) {
  struct Case {
    const char* what;
    std::int32_t ink, paper, marker;
    ScanTexts expected;
  };
  const Case cases[] = {
      {"dark grey on light grey", 0x00404040, 0x00F0F0F0, 0x00303030, {"25", "3", "14"}},
      {"blue ink looks like paper", 0x00FF0000, kWhite, kBlack, {"", "", ""}},
      {"paper starting 10 looks like ink", kBlack, 0x00A0A0A0, kBlack, {"", "", ""}},
      {"a marker starting 10 is no marker", kBlack, kWhite, 0x00A0A0A0, {"", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProfileBlock block = DigitProfile("25", "3", "14");
    block.ink = c.ink;
    block.paper = c.paper;
    block.marker = c.marker;
    LastGlyphIndex = 0;
    EXPECT_EQ(c.expected, GlyphScanner(CapturePicture(block), LastGlyphIndex));
  }
}

TEST(GlyphScanner, BlankCellsBesideTheMarkerReadNothing) {
  ProfileBlock block = DigitProfile("25", "3", "14");
  block.blankCells = true;
  LastGlyphIndex = 0;
  EXPECT_EQ((ScanTexts{"", "", ""}), GlyphScanner(CapturePicture(block), LastGlyphIndex));
}

}  // namespace
}  // namespace tesserin
