// The shared counting, containment and hidden-stem operations, byte-wise quirks included.
#include <gtest/gtest.h>

#include "TestText.h"
#include "tengod/Counting.h"
#include "tengod/TenGod.h"

namespace tesserin {
namespace {

struct TextCase {
  const char* what;
  std::string text, piece;  // code page 936 bytes
  int expected;
};

TEST(Counting, CountUnitsTakesTwoBytePiecesAtOddPositions) {
  const TextCase kCases[] = {
      {"a stem twice", G("甲子甲午丙寅"), G("甲"), 2},
      {"empty text", "", G("甲"), 0},
      {"odd text: the last piece is its final byte", "abc", "c", 1},
      {"no piece starts at b", "abc", "b", 0},
      {"length 1 rounds to no step but piece 1", "a", "a", 1},
      {"an empty unit matches the empty piece past the end", "ab", "", 1},
      {"a unit straddling two pieces is not seen", "xabx", "ab", 0},
  };
  for (const TextCase& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.expected, CountUnits(c.text, c.piece));
  }
}

TEST(Counting, CountPairsSeesOverlappingWindows) {
  const TextCase kCases[] = {
      {"a window across two pillars", G("甲子乙丑丙寅"), G("子乙"), 1},
      {"a name in the chart", G("偏印正印日元子正官丑伤官寅偏印"), G("偏印"), 2},
      {"windows straddle two names", G("偏印正印日元"), G("印正"), 1},
      {"a window never starts at an even byte", "x" + G("偏印"), G("偏印"), 0},
      {"empty text", "", G("正官"), 0},
      // 7 bytes: windows at 1, 3, 5, 7 (the last is a single byte).
      {"odd length reaches the last byte", "abcdefg", "g", 1},
  };
  for (const TextCase& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.expected, CountPairs(c.text, c.piece));
  }
}

TEST(Counting, ContainsTextSearchesEveryByteOffset) {
  const TextCase kCases[] = {
      {"empty part", G("甲子乙丑丙寅"), "", 0},
      {"empty text", "", G("丑"), 0},
      {"a branch of the pillars", G("甲子乙丑丙寅"), G("丑"), 1},
      {"absent", G("甲子乙丑丙寅"), G("午"), 0},
      {"壬 straddles 巳 and 伤官", G("巳伤官"), G("壬"), 1},
      {"日 straddles 巳 and a name with 正", G("巳正官"), G("日"), 1},
  };
  for (const TextCase& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.expected, ContainsText(c.text, c.piece));
  }
}

TEST(OfficerScore, ClassifiesTheOfficersAmongHiddenStems) {
  struct Case {
    const char* dayStem;
    const char* pillars;
    int expected;
  };
  const Case kCases[] = {
      {"丙", "甲辰壬申丙子", 2},  // 正官 from 辰's 癸, 七杀 from 申's 壬
      {"丙", "甲辰丁丑丙子", 4},  // two 正官
      {"丙", "壬申壬子丙子", 4},  // 七杀 only
      {"甲", "甲子乙丑丙寅", 3},  // one 正官 (丑's 辛)
      {"甲", "", 1},
      {"丙", "甲辰壬申", 2},          // two pillars: two branches
      {"丙", "甲子乙卯丙酉丁子", 1},  // no hidden stems at all
      {"丙", "甲子乙子丙子丁辰", 3},  // the fourth branch of a 16-byte text is read
      {"丙", "甲子乙子丙子丁子戊辰", 1},  // a fifth pillar never is
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.dayStem) + " " + c.pillars);
    EXPECT_EQ(c.expected, OfficerScore(G(c.dayStem), G(c.pillars)));
  }
}

}  // namespace
}  // namespace tesserin
