// The reading as plain text: six lines under the window's captions.
#include <gtest/gtest.h>

#include <variant>

#include "TestText.h"
#include "cycle/CycleTable.h"
#include "reading/AnalysisRun.h"
#include "reading/PersonalityAndStars.h"
#include "reading/ReadingText.h"
#include "reading/TextPieces.h"
#include "tengod/TenGod.h"

namespace tesserin {
namespace {

Reading ReadingOf(CalendarMode mode, const char* year, const char* month, const char* day) {
  return std::get<Reading>(AnalysisRun(InputOfTexts(year, month, day, mode)));
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
  EXPECT_EQ(kLunar1990_5_12, U(ReadingText(ReadingOf(CalendarMode::Lunar, "1990", "5", "12"))));
}

TEST(ReadingText, LineEndOfTheCaller) {
  const std::string text = U(ReadingText(ReadingOf(CalendarMode::Solar, "1950", "1", "7"), "\r\n"));
  EXPECT_EQ(0u, text.find("八字：己丑 丁丑 壬寅\r\n性格总论：性格温和善良"));
  EXPECT_NE(std::string::npos, text.find("，女晚婚或离婚\r\n性欲指数：★☆☆☆☆\r\n")) << text;
  EXPECT_TRUE(text.ends_with("\r\n善良指数：★★★☆☆\r\n要钱指数：☆☆☆☆☆\r\n")) << text;
}

TEST(ReadingText, TheFieldsBeforeTheFirstReading) {
  EXPECT_EQ("八字：\n性格总论：\n性欲指数： \n可约指数： \n善良指数： \n要钱指数： \n",
            U(ReadingText(AnalysisDisplay::Initial())));
}

// The ten-god chart as text: the names of the year and month stems and 日元, then each branch
// with its name, 30 bytes; the same in UTF-8.
TEST(TextPieces, TheChartLaysOutStemNamesThenBranchesWithTheirNames) {
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
    Pillars pillars = P(c.pillars);
    const std::string chart = ChartText(TextPieces::Gbk(), pillars, TenGodChart(pillars));
    EXPECT_EQ(30u, chart.size());
    EXPECT_EQ(c.chart, U(chart));
    EXPECT_EQ(c.chart, ChartText(TextPieces::Utf8(), pillars, TenGodChart(pillars)));
  }
}

// The window's pieces and the command-line reader's are the same texts in their two encodings,
// and none needs escaping inside a JSON string (the batch writes them as they are).
TEST(TextPieces, TheTwoEncodingsHoldTheSameTextsNoneToEscape) {
  const TextPieces& gbk = TextPieces::Gbk();
  const TextPieces& utf8 = TextPieces::Utf8();
  auto same = [](std::string_view inGbk, std::string_view inUtf8, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_EQ(U(inGbk), inUtf8);
    EXPECT_FALSE(inUtf8.empty());
    for (unsigned char c : inUtf8) ASSERT_TRUE(c >= 0x20 && c != '"' && c != '\\') << "a byte to escape: " << int(c);
  };
  same(gbk.PillarCaption(), utf8.PillarCaption(), "pillar caption");
  same(gbk.Note(), utf8.Note(), "note");
  same(gbk.NoteAlone(), utf8.NoteAlone(), "note alone");
  EXPECT_EQ("女晚婚或离婚", utf8.NoteAlone());
  for (int k = 0; k < kFieldCaptionCount; ++k)
    same(gbk.Caption(static_cast<FieldCaption>(k)), utf8.Caption(static_cast<FieldCaption>(k)), "caption " + std::to_string(k));
  for (HowRead how : {HowRead::Lunar, HowRead::Solar, HowRead::LunarAsSolar})
    same(gbk.HowReadWord(how), utf8.HowReadWord(how), "how read " + std::to_string(int(how)));
  for (int n = -1; n <= 6; ++n) same(gbk.Stars(n), utf8.Stars(n), "stars " + std::to_string(n));
  for (int k = 0; k < kCycleLength; ++k) {
    same(gbk.Pillar(k), utf8.Pillar(k), "pillar " + std::to_string(k));
    same(gbk.Description(k), utf8.Description(k), "description " + std::to_string(k));
  }
}

// The window's pieces are the tables' texts that the reading works on; the reader's are the same
// texts as the source writes them, taken without a conversion: every stem, branch, name,
// personality text and row of stars.
TEST(TextPieces, TheUtf8TextsOfTheSourceAreTheTablesTexts) {
  constexpr TextEncoding kUtf8 = TextEncoding::kUtf8;
  for (int s = 0; s < 10; ++s) {
    SCOPED_TRACE("stem " + std::to_string(s));
    EXPECT_EQ(U(StemText(static_cast<StemName>(s))), StemText(static_cast<StemName>(s), kUtf8));
  }
  for (int b = 0; b < 12; ++b) {
    SCOPED_TRACE("branch " + std::to_string(b));
    EXPECT_EQ(U(BranchText(static_cast<BranchName>(b))), BranchText(static_cast<BranchName>(b), kUtf8));
  }
  for (int g = 0; g < 10; ++g) {
    SCOPED_TRACE("name " + std::to_string(g));
    EXPECT_EQ(U(GodNameText(static_cast<GodName>(g))), GodNameText(static_cast<GodName>(g), kUtf8));
  }
  for (int n = -1; n <= 6; ++n) {
    SCOPED_TRACE("stars " + std::to_string(n));
    EXPECT_EQ(U(StarText(n)), StarText(n, kUtf8));
    EXPECT_EQ(StarText(n), TextPieces::Gbk().Stars(n));
  }
  for (int k = 0; k < kCycleLength; ++k) {
    SCOPED_TRACE("day pillar " + std::to_string(k));
    EXPECT_EQ(U(PersonalityOf(k)), PersonalityOf(k, kUtf8));
    EXPECT_EQ(PersonalityOf(k), TextPieces::Gbk().Description(k));
    EXPECT_EQ(CycleEntry(k), TextPieces::Gbk().Pillar(k));
  }
  EXPECT_EQ("甲子", TextPieces::Utf8().Pillar(0));
  EXPECT_EQ("癸亥", TextPieces::Utf8().Pillar(59));
  EXPECT_EQ("★★☆☆☆", StarText(2, kUtf8));
}

// How a reading read its date, as the record and the window's day label name it.
TEST(TextPieces, HowTheDateWasRead) {
  struct Case {
    const char* what;
    CalendarMode mode;
    const char* day;
    HowRead how;
    const char* word;
  };
  const Case kCases[] = {
      {"lunar", CalendarMode::Lunar, "12", HowRead::Lunar, "农历"},
      {"solar", CalendarMode::Solar, "12", HowRead::Solar, "公历"},
      {"lunar day 31, read as solar", CalendarMode::Lunar, "31", HowRead::LunarAsSolar, "按公历"},
      {"solar day 31", CalendarMode::Solar, "31", HowRead::Solar, "公历"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const HowRead how = HowReadOf(ReadingOf(c.mode, "1990", "5", c.day));
    EXPECT_EQ(c.how, how);
    EXPECT_EQ(c.word, TextPieces::Utf8().HowReadWord(how));
  }
}

}  // namespace
}  // namespace tesserin
