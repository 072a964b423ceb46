// A view of a real reading answers from the decoded characters; the rules are byte-wise. These
// tests show that the two agree on every text a reading can produce, and that other texts are
// still read byte by byte.
#include <gtest/gtest.h>

#include "TestText.h"
#include "pillars/CycleTable.h"
#include "tengod/ChartView.h"
#include "tengod/Indices.h"
#include "tengod/TenGod.h"

namespace tesserin {
namespace {

// Every stem and branch, the characters the rules search for.
std::vector<std::string_view> SearchedCharacters() {
  std::vector<std::string_view> all;
  for (int s = 0; s < 10; ++s) all.push_back(Stem(s));
  for (int b = 0; b < 12; ++b) all.push_back(Branch(b));
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
      if (s % 2 == b % 2) inPillars.push_back(GbkString(Stem(s)) + GbkString(Branch(b)));
      inPillars.push_back(GbkString(Branch(b)) + GbkString(Stem(s)));
    }
  for (int g = 0; g < 10; ++g) {
    GbkString name(Name(static_cast<GodName>(g)));
    inBranchGods.push_back(name);
    for (int b = 0; b < 12; ++b) {
      inBranchGods.push_back(GbkString(Branch(b)) + name.substr(0, 2));
      inBranchGods.push_back(name.substr(2) + GbkString(Branch(b)));
    }
  }
  for (const GbkString& text : inPillars)
    for (std::string_view c : SearchedCharacters())
      EXPECT_NE(1u, text.find(c)) << U(text) << " holds " << U(c) << " across the boundary";
  for (const GbkString& text : inBranchGods)
    for (int b = 0; b < 12; ++b)
      EXPECT_NE(1u, text.find(Branch(b))) << U(text) << " holds " << U(Branch(b)) << " across the boundary";
}

TEST(ChartView, OfficerScoreOfEveryPillarsAgreesWithTheByteWiseRule) {
  for (int y = 0; y < kCycleLength; ++y)
    for (int m = 0; m < kCycleLength; ++m)
      for (int d = 0; d < kCycleLength; d += 1) {
        GbkString pillars = GbkString(CycleEntry(y)) + GbkString(CycleEntry(m)) + GbkString(CycleEntry(d));
        TenGodChartText chart = TenGodChart(pillars);
        ChartView view(pillars, chart.View().substr(0, 12), chart.View().substr(12));
        ASSERT_EQ(OfficerScore(Stem(d % 10), pillars), view.OfficerScore()) << U(pillars);
      }
}

TEST(ChartView, TextsThatAreNoReadingAreReadByteByByte) {
  // An odd-length text: CountUnits sees its last byte alone; a decoded view would not exist.
  GbkString pillars = G("甲子乙丑丙寅") + "x";
  TenGodChartText chart = TenGodChart(G("甲子乙丑丙寅"));
  ChartView view(pillars, chart.View().substr(0, 12), chart.View().substr(12));
  EXPECT_EQ(1, view.Count(甲));
  EXPECT_TRUE(view.Present(寅));
  EXPECT_EQ(3, view.OfficerScore());  // the same as for the 12 bytes alone
  // Short texts score what their bytes hold, and never fail.
  EXPECT_EQ(0, LibidoIndex("", "", ""));
  EXPECT_EQ(0, MoneyIndex(G("甲子"), "", ""));
  EXPECT_EQ(0, DateIndex("", "", "", ""));
  EXPECT_EQ(0, MarriageScore(G("甲子乙丑丙"), G("正官正官"), ""));
}

}  // namespace
}  // namespace tesserin
