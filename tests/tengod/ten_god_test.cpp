// Ten-god names and the chart of a reading.
#include <gtest/gtest.h>

#include "TestText.h"
#include "base/WholeNumber.h"
#include "pillars/CycleTable.h"
#include "tengod/TenGod.h"

namespace tesserin {
namespace {

// Ten-god names by day stem (rows) and the other character (columns), in cycle order.
// Stems 甲 to 癸:
const char* const kNamesOfStems[10][10] = {
    {"比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印", "正印"},  // 甲
    {"劫财", "比肩", "伤官", "食神", "正财", "偏财", "正官", "七杀", "正印", "偏印"},  // 乙
    {"偏印", "正印", "比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀", "正官"},  // 丙
    {"正印", "偏印", "劫财", "比肩", "伤官", "食神", "正财", "偏财", "正官", "七杀"},  // 丁
    {"七杀", "正官", "偏印", "正印", "比肩", "劫财", "食神", "伤官", "偏财", "正财"},  // 戊
    {"正官", "七杀", "正印", "偏印", "劫财", "比肩", "伤官", "食神", "正财", "偏财"},  // 己
    {"偏财", "正财", "七杀", "正官", "偏印", "正印", "比肩", "劫财", "食神", "伤官"},  // 庚
    {"正财", "偏财", "正官", "七杀", "正印", "偏印", "劫财", "比肩", "伤官", "食神"},  // 辛
    {"食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印", "正印", "比肩", "劫财"},  // 壬
    {"伤官", "食神", "正财", "偏财", "正官", "七杀", "正印", "偏印", "劫财", "比肩"},  // 癸
};
// Branches 子 to 亥:
const char* const kNamesOfBranches[10][12] = {
    {"正印", "正财", "比肩", "劫财", "偏财", "食神", "伤官", "正财", "七杀", "正官", "偏财", "偏印"},  // 甲
    {"偏印", "偏财", "劫财", "比肩", "正财", "伤官", "食神", "偏财", "正官", "七杀", "正财", "正印"},  // 乙
    {"正官", "伤官", "偏印", "正印", "食神", "比肩", "劫财", "伤官", "偏财", "正财", "食神", "七杀"},  // 丙
    {"七杀", "食神", "正印", "偏印", "伤官", "劫财", "比肩", "食神", "正财", "偏财", "伤官", "正官"},  // 丁
    {"正财", "劫财", "七杀", "正官", "比肩", "偏印", "正印", "劫财", "食神", "伤官", "比肩", "偏财"},  // 戊
    {"偏财", "比肩", "正官", "七杀", "劫财", "正印", "偏印", "比肩", "伤官", "食神", "劫财", "正财"},  // 己
    {"伤官", "正印", "偏财", "正财", "偏印", "七杀", "正官", "正印", "比肩", "劫财", "偏印", "食神"},  // 庚
    {"食神", "偏印", "正财", "偏财", "正印", "正官", "七杀", "偏印", "劫财", "比肩", "正印", "伤官"},  // 辛
    {"劫财", "正官", "食神", "伤官", "七杀", "偏财", "正财", "正官", "偏印", "正印", "七杀", "比肩"},  // 壬
    {"比肩", "七杀", "伤官", "食神", "正官", "正财", "偏财", "七杀", "正印", "偏印", "正官", "劫财"},  // 癸
};

TEST(TenGodOf, GivesTheNameOfEveryStemAndBranchForEveryDayStem) {
  for (int day = 0; day < 10; ++day) {
    for (int s = 0; s < 10; ++s) {
      SCOPED_TRACE(U(Stem(day)) + " / " + U(Stem(s)));
      EXPECT_EQ(kNamesOfStems[day][s], U(TenGodOf(Stem(day), Stem(s))));
    }
    for (int b = 0; b < 12; ++b) {
      SCOPED_TRACE(U(Stem(day)) + " / " + U(Branch(b)));
      EXPECT_EQ(kNamesOfBranches[day][b], U(TenGodOf(Stem(day), Branch(b))));
    }
  }
}

TEST(TenGodOf, RefusesWhatIsNeitherStemNorBranchWithTheConversionError) {
  const char* const kBad[][2] = {{"甲", "日"}, {"子", "甲"}, {"甲", ""}, {"", "甲"}, {"甲", "ab"}};
  for (const auto& c : kBad) {
    SCOPED_TRACE(std::string(c[0]) + " / " + c[1]);
    EXPECT_THROW(TenGodOf(G(c[0]), G(c[1])), ConversionError);
  }
}

TEST(TenGodChart, LaysOutStemNamesThenBranchesWithTheirNames) {
  struct Case {
    const char* pillars;
    const char* chart;
  };
  const Case kCases[] = {
      {"甲子乙丑丙寅", "偏印正印日元子正官丑伤官寅偏印"},
      {"己丑丁丑壬寅", "正官正财日元丑正官丑正官寅食神"},
      {"庚午辛巳庚子", "比肩劫财日元午正官巳七杀子伤官"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.pillars);
    TenGodChartText chart = TenGodChart(G(c.pillars));
    EXPECT_EQ(30u, chart.size());
    EXPECT_EQ(c.chart, U(chart));
  }
}

}  // namespace
}  // namespace tesserin
