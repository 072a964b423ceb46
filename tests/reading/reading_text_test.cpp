// The reading as plain text: six lines under the window's captions.
#include <gtest/gtest.h>

#include <variant>

#include "TestText.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"

namespace tesserin {
namespace {

Reading ReadingOf(const char* mode, const char* year, const char* month, const char* day) {
  return std::get<Reading>(AnalysisRun(mode, {year, month, day}));
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
  EXPECT_EQ(kLunar1990_5_12, U(ReadingText(ReadingOf("1", "1990", "5", "12"))));
}

TEST(ReadingText, LineEndOfTheCaller) {
  const std::string text = U(ReadingText(ReadingOf("0", "1950", "1", "7"), "\r\n"));
  EXPECT_EQ(0u, text.find("八字：己丑 丁丑 壬寅\r\n性格总论：性格温和善良"));
  EXPECT_NE(std::string::npos, text.find("，女晚婚或离婚\r\n性欲指数：★☆☆☆☆\r\n")) << text;
  EXPECT_TRUE(text.ends_with("\r\n善良指数：★★★☆☆\r\n要钱指数：☆☆☆☆☆\r\n")) << text;
}

TEST(ReadingText, TheFieldsBeforeTheFirstReading) {
  EXPECT_EQ("八字：\n性格总论：\n性欲指数： \n可约指数： \n善良指数： \n要钱指数： \n",
            U(ReadingText(AnalysisDisplay::Initial())));
}

}  // namespace
}  // namespace tesserin
