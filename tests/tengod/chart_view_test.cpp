// The rules are written as byte searches over the texts of the pillars and the chart; the
// indices read the characters and names themselves. These tests show that no text a reading can
// make lets a byte search find a character that is not one of its own.
#include <gtest/gtest.h>

#include <vector>

#include "TestText.h"
#include "tengod/ChartView.h"
#include "tengod/TenGod.h"

namespace tesserin {
namespace {

// Every stem and branch, the characters the rules search for.
std::vector<std::string_view> SearchedCharacters() {
  std::vector<std::string_view> all;
  for (int s = 0; s < 10; ++s) all.push_back(StemText(static_cast<StemName>(s)));
  for (int b = 0; b < 12; ++b) all.push_back(BranchText(static_cast<BranchName>(b)));
  return all;
}

// A byte search finds a character across the boundary of two neighbours only if it does so in
// one neighbouring pair. In pillars a stem neighbours a branch of its parity, and a branch any
// stem; in BranchGods a branch neighbours the names, whose own characters neighbour each other.
// The rules search stems and branches in the pillars but only branches in BranchGods (where the
// stem 壬 does straddle 巳 and 伤官). None of these straddles, so presence is a count above 0.
TEST(ChartView, NoSearchedCharacterStraddlesNeighboursInPillarsOrBranchGods) {
  std::vector<GbkString> inPillars, inBranchGods;
  for (int s = 0; s < 10; ++s)
    for (int b = 0; b < 12; ++b) {
      GbkString stem(StemText(static_cast<StemName>(s))), branch(BranchText(static_cast<BranchName>(b)));
      if (s % 2 == b % 2) inPillars.push_back(stem + branch);
      inPillars.push_back(branch + stem);
    }
  for (int g = 0; g < 10; ++g) {
    GbkString name(GodNameText(static_cast<GodName>(g)));
    inBranchGods.push_back(name);
    for (int b = 0; b < 12; ++b) {
      GbkString branch(BranchText(static_cast<BranchName>(b)));
      inBranchGods.push_back(branch + name.substr(0, 2));
      inBranchGods.push_back(name.substr(2) + branch);
    }
  }
  for (const GbkString& text : inPillars)
    for (std::string_view c : SearchedCharacters())
      EXPECT_NE(1u, text.find(c)) << U(text) << " holds " << U(c) << " across the boundary";
  for (const GbkString& text : inBranchGods)
    for (int b = 0; b < 12; ++b) {
      std::string_view branch = BranchText(static_cast<BranchName>(b));
      EXPECT_NE(1u, text.find(branch)) << U(text) << " holds " << U(branch) << " across the boundary";
    }
}

// The seal rules test a slot's second character for 印; the scores give their points to 正印 and
// 偏印, the two names that end in it.
TEST(ChartView, OnlyTheTwoSealNamesEndInTheSealCharacter) {
  for (int g = 0; g < 10; ++g) {
    GodName god = static_cast<GodName>(g);
    SCOPED_TRACE(U(GodNameText(god)));
    EXPECT_EQ(god == 正印 || god == 偏印, GodNameText(god).substr(2) == G("印"));
  }
}

TEST(ChartView, PresenceAndCountsOfTheSixCharacters) {
  PillarView v(P("甲子甲午丙寅"));
  EXPECT_EQ(2, v.Count(甲));
  EXPECT_EQ(0, v.Count(乙));
  EXPECT_TRUE(v.Present(午));
  EXPECT_FALSE(v.Present(亥));
  EXPECT_EQ(2, v.PresentOf(甲, 丙, 丁));
  EXPECT_EQ(3, v.CountOf(甲, 丙));
  EXPECT_TRUE(v.DayPillarIs(丙, 寅));
}

}  // namespace
}  // namespace tesserin
