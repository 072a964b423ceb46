// The in-memory picture that stands in for the capture bitmap.
#include "capture/PixelImage.h"

#include <gtest/gtest.h>

namespace tesserin {
namespace {

TEST(PixelImage, FromTextMapsCharactersToPixelValues) {
  PixelImage picture = PixelImage::FromText({"#.g", ".#"}, {{'g', 0x00808080}});
  EXPECT_EQ(3, picture.Width());
  EXPECT_EQ(2, picture.Height());
  EXPECT_EQ(kBlack, picture.Pixel(0, 0));
  EXPECT_EQ(kWhite, picture.Pixel(1, 0));
  EXPECT_EQ(0x00808080, picture.Pixel(2, 0));
  EXPECT_EQ(kBlack, picture.Pixel(1, 1));
  EXPECT_EQ(kWhite, picture.Pixel(2, 1)) << "short rows are padded white";
}

TEST(PixelImage, PointsOutsideReadAsInvalidAndAreNotWritten) {
  PixelImage picture(4, 3, kBlack);
  struct Case {
    int x, y;
  };
  for (Case c : {Case{-1, 0}, Case{0, -1}, Case{4, 0}, Case{0, 3}, Case{100000, 100000}}) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    picture.SetPixel(c.x, c.y, kWhite);
    EXPECT_EQ(kOutside, picture.Pixel(c.x, c.y));
  }
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(kBlack, picture.Pixel(x, y));
  }
}

TEST(PixelImage, DrawClipsAtTheEdges) {
  PixelImage picture(3, 3, kWhite);
  picture.Draw(PixelImage(2, 2, kBlack), 2, -1);
  EXPECT_EQ(kBlack, picture.Pixel(2, 0));
  EXPECT_EQ(kWhite, picture.Pixel(2, 1));
  EXPECT_EQ(kWhite, picture.Pixel(1, 0));
}

}  // namespace
}  // namespace tesserin
