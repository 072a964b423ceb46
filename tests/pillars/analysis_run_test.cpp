// The analysis run: validation and its messages, the conversion error, re-entry while a notice
// is open, and complete readings in all six fields.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "TestText.h"
#include "WorkedReadings.h"
#include "pillars/AnalysisRun.h"
#include "pillars/Ratings.h"

namespace tesserin {
namespace {

const char* const kYearMessage = "本程序只计算1950～2025年间的数据";
const char* const kMonthDayMessage = "月或日数据超出正常范围";

// One run over a display that already holds an earlier reading.
struct Reading {
  AnalysisDisplay before;
  AnalysisDisplay display;
  std::vector<std::string> notices;  // UTF-8
  std::optional<std::string> error;  // UTF-8

  Reading(const char* mode, GbkString year, GbkString month, GbkString day) {
    AnalysisDisplay earlier = AnalysisDisplay::Initial();
    AnalysisRun("1", {"1990", "5", "12"}, earlier, [](const GbkString&) {});
    before = display = earlier;
    try {
      AnalysisRun(mode, {std::move(year), std::move(month), std::move(day)}, display,
                  [&](const GbkString& text) { notices.push_back(U(text)); });
    } catch (const ConversionError& e) {
      error = U(e.what());
    }
  }
  // Everything but the personality text is as the earlier reading left it.
  bool OthersUnchanged() const {
    AnalysisDisplay expected = before;
    expected.PersonalityText = display.PersonalityText;
    return expected == display;
  }
};

TEST(AnalysisRun, ValidationStopsWithAMessageAndEmptiesOnlyThePersonality) {
  struct Case {
    const char* what;
    const char* year;
    const char* month;
    const char* day;
    const char* message;  // nullptr: the reading completes
  };
  const Case kCases[] = {
      {"year 1949", "1949", "5", "12", kYearMessage},
      {"year 2026", "2026", "5", "12", kYearMessage},
      {"a negative year", "-1990", "5", "12", kYearMessage},
      {"a bad year hides an empty month", "2030", "", "12", kYearMessage},
      {"month 0", "1990", "0", "12", kMonthDayMessage},
      {"month 13", "1990", "13", "12", kMonthDayMessage},
      {"a bad month hides a bad day", "1990", "13", "x", kMonthDayMessage},
      {"day 0", "1990", "5", "0", kMonthDayMessage},
      {"day 32", "1990", "5", "32", kMonthDayMessage},
      {"year 1950", "1950", "1", "1", nullptr},
      {"year 2025", "2025", "12", "31", nullptr},
      {"day 31 of a short month", "1990", "2", "31", nullptr},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Reading run("1", c.year, c.month, c.day);
    EXPECT_FALSE(run.error);
    if (c.message) {
      EXPECT_EQ(std::vector<std::string>{c.message}, run.notices);
      EXPECT_EQ("", run.display.PersonalityText);
      EXPECT_TRUE(run.OthersUnchanged());
    } else {
      EXPECT_TRUE(run.notices.empty());
      EXPECT_NE("", run.display.PersonalityText);
    }
    EXPECT_FALSE(AnalysisBusy);
  }
}

TEST(AnalysisRun, TextThatIsNoWholeNumberEndsTheRunWithTheConversionError) {
  const std::string kLong(10000, '7');
  struct Case {
    const char* what;
    std::string year, month, day;
    std::string error;  // the text between the apostrophes, UTF-8
  };
  const Case kCases[] = {
      {"empty day", "1990", "5", "", ""},
      {"letters", "abc", "5", "12", "abc"},
      {"a blank after the digits", "1990 ", "5", "12", "1990 "},
      {"a sign alone", "1990", "+", "12", "+"},
      {"two signs", "1990", "--5", "12", "--5"},
      {"beyond 32 bits", "1990", "5", "2147483648", "2147483648"},
      {"10,000 digits", kLong, "5", "12", kLong},
      {"Chinese digits", "一九九〇", "5", "12", "一九九〇"},
      {"a full-width digit", "1990", "５", "12", "５"},
      {"blanks only", "1990", "5", "   ", "   "},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Reading run("1", G(c.year), G(c.month), G(c.day));
    ASSERT_TRUE(run.error);
    EXPECT_EQ("'" + c.error + "' is not a valid integer value", *run.error);
    EXPECT_TRUE(run.notices.empty());
    EXPECT_EQ("", run.display.PersonalityText);
    EXPECT_TRUE(run.OthersUnchanged());
    EXPECT_FALSE(AnalysisBusy);
  }
  // Bytes that are no text at all are refused the same way, never read.
  Reading raw("0", "19\xff\xfe", "5", "12");
  EXPECT_TRUE(raw.error);
}

TEST(AnalysisRun, BlanksSignsAndLeadingZerosReadAsTheNumberTheyWrite) {
  const char* const kMonths[] = {"5", " 5", "+5", "005", "05", "  +0005"};
  Reading plain("1", "1990", "5", "12");
  for (const char* month : kMonths) {
    SCOPED_TRACE(std::string("month '") + month + "'");
    Reading run("1", " 1990", month, "+12");
    EXPECT_FALSE(run.error);
    EXPECT_EQ(plain.display, run.display);
  }
}

TEST(AnalysisRun, ACallFromInsideANoticeDoesNothing) {
  AnalysisDisplay display = AnalysisDisplay::Initial();
  AnalysisDisplay inner = AnalysisDisplay::Initial();
  int notices = 0;
  AnalysisRun("1", {"2030", "5", "12"}, display, [&](const GbkString&) {
    ++notices;
    EXPECT_TRUE(AnalysisBusy);
    AnalysisRun("0", {"1990", "5", "12"}, inner, [&](const GbkString&) { ++notices; });
  });
  EXPECT_EQ(1, notices);
  EXPECT_EQ(AnalysisDisplay::Initial(), inner);
  EXPECT_FALSE(AnalysisBusy);
  // The next run works.
  AnalysisRun("0", {"1990", "5", "12"}, inner, [&](const GbkString&) { ++notices; });
  EXPECT_EQ("八字：庚午 辛巳 丁丑", U(inner.PillarLine));
}

TEST(AnalysisRun, CompleteReadingsFillAllSixFields) {
  for (const testing::WorkedReading& c : {testing::kSolar1950_1_7, testing::kLunar1990_5_12}) {
    SCOPED_TRACE(c.what);
    Reading run(c.mode, c.year, c.month, c.day);
    ASSERT_FALSE(run.error);
    EXPECT_EQ(c.pillarLine, U(run.display.PillarLine));
    EXPECT_EQ(c.personality, U(run.display.PersonalityText));
    EXPECT_EQ(c.libido, U(run.display.LibidoStars));
    EXPECT_EQ(c.date, U(run.display.DateStars));
    EXPECT_EQ(c.kindness, U(run.display.KindnessStars));
    EXPECT_EQ(c.money, U(run.display.MoneyStars));
  }
}

TEST(AnalysisRun, TheNoteFollowsATrailingBlankOfTheDescription) {
  // A 甲子 day with a marriage score of 4 (20.5 points: rows 5, 10, 12, 13 and 28).
  Reading run("0", "1952", "3", "19");
  ASSERT_EQ("八字：壬辰 癸卯 甲子", U(run.display.PillarLine));
  EXPECT_EQ("聪明仁慈，爱学习，好面子，依赖性大有惰性，重视精神享受，好脾气 ，女晚婚或离婚",
            U(run.display.PersonalityText));
}

TEST(Ratings, StarsAndKindness) {
  const std::pair<int, const char*> kStars[] = {{-2, "☆☆☆☆☆"}, {0, "☆☆☆☆☆"}, {3, "★★★☆☆"},
                                                {5, "★★★★★"},  {7, "★★★★★"}};
  for (const auto& [n, stars] : kStars) EXPECT_EQ(stars, U(StarText(n))) << n;
  EXPECT_EQ(0, KindnessIndex(EntryOf(甲, 戌)));
  EXPECT_EQ(3, KindnessIndex(EntryOf(壬, 寅)));
  EXPECT_EQ(1, KindnessIndex(EntryOf(乙, 丑)));
  for (int k = 0; k < kCycleLength; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(CycleEntry(k), std::string_view(PersonalityTable()[k]).substr(0, 4));
    EXPECT_EQ(":", PersonalityTable()[k].substr(4, 1));
    EXPECT_EQ(PersonalityTable()[k].substr(5), PersonalityOf(k));
    EXPECT_GE(KindnessIndex(k), 0);
    EXPECT_LE(KindnessIndex(k), 4);
  }
  EXPECT_EQ("聪明仁慈，爱学习，好面子，依赖性大有惰性，重视精神享受，好脾气 ", U(PersonalityOf(EntryOf(甲, 子))));
}

// Every accepted date, in both readings, completes with all six fields; the line names the
// pillars of the reading, and in the solar reading the day pillar steps on by one from each
// real day to the next, from 丙申 on 1 January 1950 through every month boundary.
TEST(AnalysisRun, EveryDateOfTheRangeCompletes) {
  using namespace std::chrono;
  AnalysisDisplay display = AnalysisDisplay::Initial();
  AnalysisDetail detail;
  int previousSolarDay = CycleStep(EntryOf(丙, 申), -1);
  for (const char* mode : {"1", "0"}) {
    for (int year = 1950; year <= 2025; ++year) {
      for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
          display = AnalysisDisplay::Initial();
          AnalysisRun(mode, {std::to_string(year), std::to_string(month), std::to_string(day)}, display,
                      [&](const GbkString&) { ADD_FAILURE() << year << "-" << month << "-" << day; }, &detail);
          ASSERT_TRUE(detail.completed);
          const Pillars& p = detail.pillars;
          ASSERT_EQ("八字：" + U(CycleEntry(p.Entry(kYearPillar))) + " " + U(CycleEntry(p.Entry(kMonthPillar))) + " " +
                        U(CycleEntry(p.Entry(kDayPillar))),
                    U(display.PillarLine));
          bool realDay = year_month_day{std::chrono::year{year}, std::chrono::month(month), std::chrono::day(day)}.ok();
          if (mode == std::string_view("0") && realDay) {
            ASSERT_EQ(CycleStep(previousSolarDay, 1), p.Entry(kDayPillar)) << year << "-" << month << "-" << day;
            previousSolarDay = p.Entry(kDayPillar);
            ASSERT_TRUE((CalendarDate{year, month, day} == detail.solarDate)) << year << "-" << month << "-" << day;
            ASSERT_FALSE(detail.readAsLunar);
          }
          ASSERT_GE(display.PersonalityText.size(), 63u);
          for (const GbkString* stars : {&display.LibidoStars, &display.DateStars, &display.KindnessStars,
                                         &display.MoneyStars})
            ASSERT_EQ(10u, stars->size());
        }
      }
    }
  }
  EXPECT_EQ(EntryOf(甲, 戌), previousSolarDay);  // 31 December 2025
}

}  // namespace
}  // namespace tesserin
