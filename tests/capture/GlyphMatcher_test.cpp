// The glyph matcher: first fitting template wins, and the last index follows successful matches.
#include "capture/GlyphMatcher.h"

#include <gtest/gtest.h>

#include <string>

namespace tesserin {
namespace {

// The index of the last matched template, carried from one scan to the next as the program's
// reader carries it; each test sets it where the case needs.
int LastGlyphIndex = 0;

// A glyph string that fits every template listed: each position takes the value that the
// templates without an "x" there demand ("0" where all of them have "x").
std::string FittingAll(std::initializer_list<int> indices) {
  std::string glyph(48, '?');
  for (int i : indices) {
    std::string_view pattern = GlyphTemplates[i];
    for (std::size_t k = 0; k < 48; ++k) {
      if (pattern[k] == 'x') continue;
      EXPECT_TRUE(glyph[k] == '?' || glyph[k] == pattern[k]) << "templates disagree at " << k;
      glyph[k] = pattern[k];
    }
  }
  for (char& c : glyph) {
    if (c == '?') c = '0';
  }
  return glyph;
}

std::string Filled(int index, char x) {
  std::string glyph(GlyphTemplates[index]);
  for (char& c : glyph) {
    if (c == 'x') c = x;
  }
  return glyph;
}

TEST(GlyphMatcher, TemplateZeroDrawnWithoutItsVariablePixelsIsTheDigitOne) {
  LastGlyphIndex = 5;
  EXPECT_EQ("1", GlyphMatcher("000100011100001100001100001100001100001100011110", LastGlyphIndex));
  EXPECT_EQ(0, LastGlyphIndex);
}

TEST(GlyphMatcher, EveryTemplateReadsAsItsOwnLabelWhicheverWayItsVariablePixelsFall) {
  const char* labels[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "1", "2",
                          "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "20"};
  for (int i = 0; i < static_cast<int>(kGlyphCount); ++i) {
    for (char x : {'0', '1'}) {
      SCOPED_TRACE("template " + std::to_string(i) + ", x as " + x);
      LastGlyphIndex = -1;
      EXPECT_EQ(labels[i], GlyphMatcher(Filled(i, x), LastGlyphIndex));
      EXPECT_EQ(i, LastGlyphIndex);
    }
  }
}

TEST(GlyphMatcher, AGlyphFittingSeveralTemplatesTakesTheLowestIndex) {
  struct Case {
    const char* what;
    std::string glyph;
    const char* label;
    int index;
  };
  const Case cases[] = {
      {"fits 1 and 2", FittingAll({1, 2}), "2", 1},
      {"fits 2 and 7", FittingAll({2, 7}), "3", 2},
      {"fits 6 and 7", FittingAll({6, 7}), "7", 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    LastGlyphIndex = 0;
    EXPECT_EQ(c.label, GlyphMatcher(c.glyph, LastGlyphIndex));
    EXPECT_EQ(c.index, LastGlyphIndex);
  }
}

TEST(GlyphMatcher, AGlyphFittingNoTemplateGivesNothingAndKeepsTheLastIndex) {
  struct Case {
    const char* what;
    std::string glyph;
  };
  const Case cases[] = {
      {"empty cell", std::string(48, '0')},
      {"all ink", std::string(48, '1')},
      {"one pixel off template 19", "100001000001111111000001000001000001000001000001"},
      {"longer than every template", Filled(0, '0') + "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ("10", GlyphMatcher(GlyphTemplates[19], LastGlyphIndex));
    ASSERT_EQ(19, LastGlyphIndex);
    EXPECT_EQ("", GlyphMatcher(c.glyph, LastGlyphIndex));
    EXPECT_EQ(19, LastGlyphIndex);
  }
}

TEST(GlyphMatcher, ComparesOnlyAsFarAsTheGlyphGoes) {
  // A short glyph is compared with the start of each template: templates 0 to 9 all have ink
  // in their first five columns, template 10 begins "000001".
  LastGlyphIndex = 0;
  EXPECT_EQ("1", GlyphMatcher("000001", LastGlyphIndex));
  EXPECT_EQ(10, LastGlyphIndex);
}

}  // namespace
}  // namespace tesserin
