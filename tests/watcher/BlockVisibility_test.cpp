// The checks that a captured block showed the profile window itself: on the monitors, and the
// profile window at the block's corners and at the cells read.
#include "watcher/BlockVisibility.h"

#include <gtest/gtest.h>

#include <vector>

#include "FakeDesktop.h"

namespace tesserin {
namespace {

using testing::FakeWindowSystem;
using testing::Journal;
using testing::kDigitCells;

TEST(OnMonitors, TheWholeAreaMustLieOnTheMonitors) {
  struct Case {
    const char* what;
    std::vector<ScreenRect> monitors;
    ScreenRect area;
    bool on;
  };
  const ScreenRect screen{0, 0, 1280, 1024};
  const Case cases[] = {
      {"inside one monitor", {screen}, {160, 406, 320, 706}, true},
      {"touching the right and bottom edges", {screen}, {1120, 724, 1280, 1024}, true},
      {"one column past the right edge", {screen}, {1121, 406, 1281, 706}, false},
      {"one row past the bottom edge", {screen}, {160, 725, 320, 1025}, false},
      {"left of the screen", {screen}, {-1, 406, 159, 706}, false},
      {"above the screen", {screen}, {160, -1, 320, 299}, false},
      {"no monitor", {}, {160, 406, 320, 706}, false},
      {"across the seam of two monitors side by side", {screen, {1280, 0, 2560, 1024}},
       {1200, 406, 1360, 706}, true},
      {"on a monitor left of the first, at negative columns", {screen, {-1920, 0, 0, 1080}},
       {-100, 406, 60, 706}, true},
      // A shorter monitor beside a taller one: below the shorter one's bottom edge lies
      // nothing, though both top corners and the right-hand ones are on a monitor.
      {"across the seam, partly below the shorter monitor", {screen, {1280, 0, 2560, 720}},
       {1200, 600, 1360, 900}, false},
      {"over a gap between two monitors", {screen, {1300, 0, 2580, 1024}},
       {1200, 406, 1360, 706}, false},
      {"stacked monitors, across their seam", {screen, {0, 1024, 1280, 2048}},
       {160, 900, 320, 1200}, true},
      // Four monitors round a hole: every corner of the area is on one of them.
      {"round a hole",
       {{0, 0, 200, 200}, {200, 0, 400, 100}, {300, 100, 400, 400}, {0, 200, 300, 400}},
       {150, 50, 350, 350}, false},
      {"overlapping monitors (a copy of the screen)", {screen, {0, 0, 1280, 1024}},
       {160, 406, 320, 706}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.on, OnMonitors(c.area, c.monitors));
  }
}

// The profile window at (100, 100), 300 × 640: its block lies at (160, 406) to (320, 706). The
// cells of "25", "3", "14" are at block columns 57-68, 93-104 and 111-122 and rows 42-49, so on
// the screen at columns 217-228, 253-264 and 271-282 and rows 448-455.
class BlockShownWholeTest : public ::testing::Test {
 protected:
  Journal journal;
  FakeWindowSystem windows{journal};
  WindowHandle profile = windows.AddProfile("ABC的资料");
};

TEST_F(BlockShownWholeTest, AnyWindowAtACornerOrAPixelOfACellReadMakesTheBlockNotShown) {
  struct Case {
    const char* what;
    ScreenRect over;  // a window above the profile window
    bool clickThrough;
    bool shown;
  };
  const Case cases[] = {
      {"a 20 x 20 window over the day's second digit", {277, 442, 297, 462}, false, false},
      {"one pixel: the last of the day's second cell", {282, 455, 283, 456}, false, false},
      {"one pixel: the first of the age's first cell", {217, 448, 218, 449}, false, false},
      {"inside the day's first cell, clear of its edges", {273, 450, 275, 453}, false, false},
      {"one pixel right of the last cell", {283, 455, 284, 456}, false, true},
      {"the columns between the age and the month", {229, 448, 253, 456}, false, true},
      {"the row below the cells", {217, 456, 283, 457}, false, true},
      {"the top-left corner of the block", {150, 400, 161, 407}, false, false},
      {"the bottom-right corner of the block", {319, 705, 330, 720}, false, false},
      {"the middle of the block, away from the cells", {170, 500, 310, 690}, false, true},
      {"a click-through window over the whole block", {150, 400, 330, 720}, true, true},
      {"right of the block", {320, 406, 400, 706}, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WindowHandle over = windows.Add("Other", "over", c.over);
    windows.windows.back().clickThrough = c.clickThrough;
    windows.Raise(over);
    EXPECT_EQ(c.shown, BlockShownWhole(windows, profile, kDigitCells));
    windows.Remove(over);
  }
  EXPECT_TRUE(BlockShownWhole(windows, profile, kDigitCells)) << "nothing over it";
}

TEST_F(BlockShownWholeTest, TheCellsAskedForAreThoseTheScanRead) {
  // A window over the place of a two-digit month's day, which this scan did not read.
  windows.Raise(windows.Add("Other", "over", {283, 448, 295, 456}));
  EXPECT_TRUE(BlockShownWhole(windows, profile, kDigitCells));
  std::vector<CellOrigin> twoDigitMonth = kDigitCells;
  twoDigitMonth.push_back({122, 41});
  EXPECT_FALSE(BlockShownWhole(windows, profile, twoDigitMonth));
}

TEST_F(BlockShownWholeTest, CellPointsBelowTheBlockAreNotAsked) {
  // A scan that found no text row reads cells down to row 462, below the block's 300 rows:
  // there it reads the capture picture's white margin. The screen below the block belongs to
  // another window.
  windows.Add("Other", "below", {0, 706, 1280, 1024});
  windows.Raise(windows.windows.back().handle);
  windows.pointsAsked = 0;
  EXPECT_TRUE(BlockShownWhole(windows, profile, {{56, 295}, {62, 454}}));
  EXPECT_EQ(4 + 3, windows.pointsAsked)
      << "the block's corners, and of the first cell its top corners (296) and centre (299)";
}

TEST_F(BlockShownWholeTest, ABlockOffTheMonitorsOrOfAWindowThatIsGoneIsNotShown) {
  struct Case {
    const char* what;
    ScreenRect profileAt;
    bool shown;
  };
  const Case cases[] = {
      {"block ends at the right edge", {1060, 100, 1360, 740}, true},
      {"at x = 1100: the block runs 40 columns off the right edge", {1100, 100, 1400, 740}, false},
      {"block ends at the bottom edge", {100, 418, 400, 1058}, true},
      {"one row lower: the block's last row is off the screen", {100, 419, 400, 1059}, false},
      {"left of the screen", {-61, 100, 239, 740}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    windows.windows.front().rect = c.profileAt;
    EXPECT_EQ(c.shown, BlockShownWhole(windows, profile, kDigitCells));
  }
  windows.Remove(profile);
  EXPECT_FALSE(BlockShownWhole(windows, profile, {}));
}

}  // namespace
}  // namespace tesserin
