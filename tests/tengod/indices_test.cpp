// The four scores, from worked charts. Each case gives the pillars; the chart is the one
// TenGodChart makes of them (checked by the chart tests), and the worked chart is checked here too.
#include <gtest/gtest.h>

#include "TestText.h"
#include "reading/TextPieces.h"
#include "tengod/Indices.h"
#include "tengod/TenGod.h"

namespace tesserin {
namespace {

struct Reading {
  Pillars pillars;
  GodChart chart;
};

Reading ReadingOf(const char* pillars, const char* chart) {
  Reading r{P(pillars), {}};
  r.chart = TenGodChart(r.pillars);
  EXPECT_EQ(chart, U(ChartText(TextPieces::Gbk(), r.pillars, r.chart))) << "chart of " << pillars;
  return r;
}

struct Case {
  const char* pillars;
  const char* chart;
  int expected;
};

TEST(LibidoIndex, BandsTheWeightedScore) {
  const Case kCases[] = {
      // 2 (month branch 印) + 1 (year branch 印) = 3: the lower bound of band 1 is inclusive.
      {"丁丑丁未庚寅", "正官正官日元丑正印未正印寅偏财", 1},
      // 2 + 4 + 4 + 1.5 + 2 = 13.5
      {"丁丑乙巳丁丑", "比肩偏印日元丑食神巳劫财丑食神", 4},
      // 3 + 4 + 2 + 2 + 3 = 14
      {"丁丑丙午丙寅", "劫财比肩日元丑伤官午劫财寅偏印", 5},
      // 2 + 1, and +4 for 申 counted twice among 申酉丑: 7
      {"壬申戊申甲子", "偏印偏财日元申七杀申七杀子正印", 2},
      // 4 + 2, and +5 for two of 申酉戌 present: 11
      {"庚申乙酉甲子", "七杀劫财日元申七杀酉正官子正印", 4},
      {"庚午辛巳庚子", "比肩劫财日元午正官巳七杀子伤官", 5},  // 16.5
      {"己丑丁丑壬寅", "正官正财日元丑正官丑正官寅食神", 1},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.pillars);
    Reading r = ReadingOf(c.pillars, c.chart);
    EXPECT_EQ(c.expected, LibidoIndex(r.pillars, r.chart));
  }
}

TEST(MoneyIndex, CountsTheWealthFramesAndTheDoubledPartner) {
  const Case kCases[] = {
      {"己巳己巳甲子", "正财正财日元巳食神巳食神子正印", 2},  // two 己 with a 甲 day
      {"己巳丁卯甲子", "正财伤官日元巳食神卯劫财子正印", 0},  // one 己 only
      {"辛巳癸酉丁丑", "偏财七杀日元巳劫财酉偏财丑食神", 3},  // 巳酉丑 complete
      {"甲申癸酉丙辰", "偏印正官日元申偏财酉正财辰食神", 4},  // two of 申酉戌, and 辰 with 酉
      {"甲辰癸酉丙子", "偏印正官日元辰食神酉正财子正官", 2},  // the pair alone
      {"乙亥乙卯庚寅", "正财正财日元亥食神卯正财寅偏财", 8},  // the highest possible
      {"乙亥乙卯乙亥", "比肩比肩日元亥正印卯比肩亥正印", 0},  // an 乙 day never scores
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.pillars);
    Reading r = ReadingOf(c.pillars, c.chart);
    EXPECT_EQ(c.expected, MoneyIndex(r.pillars));
  }
}

TEST(MarriageScore, GradesTheChart) {
  const Case kCases[] = {
      {"壬寅辛亥丙子", "七杀正财日元寅偏印亥七杀子正官", 5},  // four officer or wealth slots
      {"壬寅壬子甲午", "偏印偏印日元寅比肩子正印午伤官", 5},  // water exactly 3, month branch 子
      {"壬辰辛亥甲子", "偏印正官日元辰偏财亥偏印子正印", 0},  // water 3 without the placement: 2.5
      {"己丑丙子戊子", "劫财偏印日元丑劫财子正财子正财", 4},  // 17
      {"庚寅壬午丁巳", "正财正官日元寅正印午比肩巳劫财", 5},  // 24.5
      {"甲子丙寅丁卯", "正印劫财日元子七杀寅正印卯偏印", 2},  // 9.5
      {"癸巳癸亥丙寅", "正官正官日元巳比肩亥七杀寅偏印", 0},  // -4
      {"己丑丁丑壬寅", "正官正财日元丑正官丑正官寅食神", 5},
      {"庚午辛巳庚子", "比肩劫财日元午正官巳七杀子伤官", 3},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.pillars);
    Reading r = ReadingOf(c.pillars, c.chart);
    EXPECT_EQ(c.expected, MarriageScore(r.pillars, r.chart));
  }
}

TEST(DateIndex, GradesChartAndPersonalityWords) {
  struct DateCase {
    const char* pillars;
    const char* chart;
    const char* personality;
    int expected;
  };
  const DateCase kCases[] = {
      {"甲子丙寅丁卯", "正印劫财日元子七杀寅正印卯偏印", "", 0},
      {"庚寅壬午丁巳", "正财正官日元寅正印午比肩巳劫财", "婚姻，女晚婚或离婚", 4},  // 20
      {"己丑丙子戊子", "劫财偏印日元丑劫财子正财子正财", "，女晚婚或离婚", 1},      // 7
      {"壬寅辛亥丙子", "七杀正财日元寅偏印亥七杀子正官", "桃花，女晚婚或离婚", 5},  // 34
      {"癸巳癸亥丙寅", "正官正官日元巳比肩亥七杀寅偏印", "", 2},                    // 13
      {"甲申癸酉甲戌", "比肩正印日元申七杀酉正官戌偏财", "婚姻", 4},                // 23
      {"丙子庚子壬子", "偏财偏印日元子劫财子劫财子劫财", "婚姻，女晚婚或离婚", 3},  // 17
      // Each word scores once, however often it stands.
      {"丙子庚子壬子", "偏财偏印日元子劫财子劫财子劫财", "晚婚婚姻，女晚婚或离婚", 3},
      // A 壬 day with three 戌 scores the +10 of its own officer rule and nothing else: 10.
      {"壬戌壬戌壬戌", "比肩比肩日元戌七杀戌七杀戌七杀", "", 2},
  };
  for (const DateCase& c : kCases) {
    SCOPED_TRACE(std::string(c.pillars) + " " + c.personality);
    Reading r = ReadingOf(c.pillars, c.chart);
    EXPECT_EQ(c.expected, DateIndex(r.pillars, r.chart, G(c.personality)));
  }
}

}  // namespace
}  // namespace tesserin
