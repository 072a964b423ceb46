// The reading as plain text: six lines under the window's captions, and whether the fields
// hold a reading at all.
#include <gtest/gtest.h>

#include "TestText.h"
#include "pillars/AnalysisRun.h"
#include "pillars/ReadingText.h"

namespace tesserin {
namespace {

AnalysisDisplay Reading(const char* mode, const char* year, const char* month, const char* day,
                    AnalysisDisplay display = AnalysisDisplay::Initial()) {
  AnalysisRun(mode, {year, month, day}, display, [](const GbkString&) {});
  return display;
}

// Worked result for lunar 1990-05-12 (the pillars from the month tables, the ratings by hand).
const char* const kLunar1990_5_12 =
    "八字：庚午 辛巳 庚子\n"
    "性格总论：聪明刚强正直，追求完美，对别人要求过高，女人爱追求年长的异性，婚姻不佳\n"
    "性欲指数：★★★★★\n"
    "可约指数：★★★★★\n"
    "善良指数：★★★☆☆\n"
    "要钱指数：☆☆☆☆☆\n";

TEST(ReadingText, SixLinesUnderTheWindowsCaptions) {
  EXPECT_EQ(kLunar1990_5_12, U(ReadingText(Reading("1", "1990", "5", "12"))));
}

TEST(ReadingText, LineEndOfTheCaller) {
  const std::string text = U(ReadingText(Reading("0", "1950", "1", "7"), "\r\n"));
  EXPECT_EQ(0u, text.find("八字：己丑 丁丑 壬寅\r\n性格总论：性格温和善良"));
  EXPECT_NE(std::string::npos, text.find("，女晚婚或离婚\r\n性欲指数：★☆☆☆☆\r\n")) << text;
  EXPECT_TRUE(text.ends_with("\r\n善良指数：★★★☆☆\r\n要钱指数：☆☆☆☆☆\r\n")) << text;
}

TEST(ReadingText, WhetherTheFieldsHoldAReading) {
  AnalysisDisplay watcherMessage = AnalysisDisplay::Initial();
  watcherMessage.PersonalityText = G("抱歉：没有识别出来，或者年龄大于100岁或者小于10岁，无意义");
  struct Case {
    const char* what;
    AnalysisDisplay display;
    bool holdsReading;
  };
  const Case kCases[] = {
      {"the window as it opens", AnalysisDisplay::Initial(), false},
      {"a refused date before any reading", Reading("1", "1990", "13", "12"), false},
      {"a year out of range before any reading", Reading("0", "2030", "1", "1"), false},
      {"the watcher's message before any reading", watcherMessage, false},
      {"a lunar reading", Reading("1", "1990", "5", "12"), true},
      {"a refused date after a reading", Reading("1", "1990", "13", "12", Reading("1", "1990", "5", "12")), true},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.holdsReading, HasReading(c.display));
  }
}

}  // namespace
}  // namespace tesserin
