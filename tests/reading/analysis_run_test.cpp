// The analysis run: validation and its messages, the conversion error, and complete readings
// in all six fields.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <variant>

#include "TestText.h"
#include "WorkedReadings.h"
#include "reading/AnalysisRun.h"
#include "reading/PersonalityAndStars.h"
#include "reading/ReadingText.h"

namespace tesserin {
namespace {

const char* const kYearMessage = "本程序只计算1950～2025年间的数据";
const char* const kMonthDayMessage = "月或日数据超出正常范围";

constexpr CalendarMode kLunar = CalendarMode::Lunar;
constexpr CalendarMode kSolar = CalendarMode::Solar;

// The run of three field texts (UTF-8).
AnalysisOutcome Read(CalendarMode mode, const std::string& year, const std::string& month, const std::string& day) {
  return AnalysisRun(InputOfTexts(year, month, day, mode));
}

// The refusal's text in UTF-8, or "" for a reading.
std::string MessageOf(const AnalysisOutcome& outcome) {
  const Refusal* refusal = std::get_if<Refusal>(&outcome);
  return refusal ? RefusalText(*refusal) : "";
}

TEST(AnalysisRun, ValidationRefusesWithItsMessage) {
  using Kind = Refusal::Kind;
  struct Case {
    const char* what;
    CalendarMode mode;
    const char* year;
    const char* month;
    const char* day;
    std::optional<Kind> refusal;  // none: a reading
    const char* message;
  };
  const Case kCases[] = {
      {"year 1949", kLunar, "1949", "5", "12", Kind::YearOutOfRange, kYearMessage},
      {"year 2026", kLunar, "2026", "5", "12", Kind::YearOutOfRange, kYearMessage},
      {"a negative year", kLunar, "-1990", "5", "12", Kind::YearOutOfRange, kYearMessage},
      {"a bad year hides an empty month", kLunar, "2030", "", "12", Kind::YearOutOfRange, kYearMessage},
      {"month 0", kLunar, "1990", "0", "12", Kind::MonthOrDayOutOfRange, kMonthDayMessage},
      {"month 13", kLunar, "1990", "13", "12", Kind::MonthOrDayOutOfRange, kMonthDayMessage},
      {"a bad month hides a bad day", kLunar, "1990", "13", "x", Kind::MonthOrDayOutOfRange, kMonthDayMessage},
      {"day 0", kLunar, "1990", "5", "0", Kind::MonthOrDayOutOfRange, kMonthDayMessage},
      {"day 32", kLunar, "1990", "5", "32", Kind::MonthOrDayOutOfRange, kMonthDayMessage},
      {"year 1950", kLunar, "1950", "1", "1", std::nullopt, ""},
      {"year 2025", kLunar, "2025", "12", "31", std::nullopt, ""},
      // A day past its month's end is no date: it is refused as day 32 is, not counted on.
      {"solar 31 February", kSolar, "1990", "2", "31", Kind::NoSuchDay, kMonthDayMessage},
      {"solar 30 February", kSolar, "1990", "02", "30", Kind::NoSuchDay, kMonthDayMessage},
      {"solar 29 February of a common year", kSolar, "1990", "2", "29", Kind::NoSuchDay, kMonthDayMessage},
      {"solar 29 February of a century's leap year", kSolar, "2000", "2", "29", std::nullopt, ""},
      {"solar 29 February of a leap year", kSolar, "1992", "2", "29", std::nullopt, ""},
      {"solar 28 February", kSolar, "1990", "2", "28", std::nullopt, ""},
      {"solar 31 April", kSolar, "1990", "4", "31", Kind::NoSuchDay, kMonthDayMessage},
      {"solar 31 November", kSolar, "2025", "11", "31", Kind::NoSuchDay, kMonthDayMessage},
      {"solar 31 December", kSolar, "2025", "12", "31", std::nullopt, ""},
      {"solar 31 January 1950", kSolar, "1950", "1", "31", std::nullopt, ""},
      {"lunar 31 February falls back to no solar day", kLunar, "1990", "2", "31", Kind::NoSuchDay, kMonthDayMessage},
      {"lunar 31 April falls back to no solar day", kLunar, "1990", "4", "31", Kind::NoSuchDay, kMonthDayMessage},
      {"lunar 31 May falls back to a solar day", kLunar, "1990", "5", "31", std::nullopt, ""},
      {"lunar 30 of a 29-day second month falls back to no solar day", kLunar, "1951", "2", "30", Kind::NoSuchDay,
       kMonthDayMessage},
      {"lunar 30 of a 29-day month falls back to a solar day", kLunar, "1951", "5", "30", std::nullopt, ""},
      {"lunar 30 of a 30-day second month is a lunar day", kLunar, "1990", "2", "30", std::nullopt, ""},
      {"the range comes first: day 32 of February", kSolar, "1990", "2", "32", Kind::MonthOrDayOutOfRange,
       kMonthDayMessage},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const AnalysisOutcome outcome = Read(c.mode, c.year, c.month, c.day);
    const Refusal* refusal = std::get_if<Refusal>(&outcome);
    ASSERT_EQ(c.refusal.has_value(), refusal != nullptr);
    if (refusal) {
      EXPECT_EQ(*c.refusal, refusal->kind);
    }
    EXPECT_EQ(c.message, MessageOf(outcome));
  }
}

// A day that does not exist keeps the date as numbers and the mode asked, for a message that
// says which date does not exist.
TEST(AnalysisRun, ADayThatDoesNotExistKeepsTheDate) {
  const Refusal solar = std::get<Refusal>(Read(kSolar, "1990", "02", "+29"));
  EXPECT_EQ((CalendarDate{1990, 2, 29}), solar.date);
  EXPECT_FALSE(solar.lunarAsked);
  const Refusal lunar = std::get<Refusal>(Read(kLunar, "1951", "2", "30"));
  EXPECT_EQ((CalendarDate{1951, 2, 30}), lunar.date);
  EXPECT_TRUE(lunar.lunarAsked);
}

TEST(AnalysisRun, TextThatIsNoWholeNumberIsRefusedWithTheConversionError) {
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
    const AnalysisOutcome outcome = Read(kLunar, c.year, c.month, c.day);
    ASSERT_TRUE(std::holds_alternative<Refusal>(outcome));
    EXPECT_EQ(Refusal::Kind::NotAWholeNumber, std::get<Refusal>(outcome).kind);
    EXPECT_EQ("'" + c.error + "' is not a valid integer value", MessageOf(outcome));
  }
  // Bytes that are no text at all are refused the same way, never read; a NUL byte stays in
  // the message.
  EXPECT_EQ(Refusal::Kind::NotAWholeNumber, std::get<Refusal>(Read(kSolar, "19\xff\xfe", "5", "12")).kind);
  EXPECT_EQ(std::string("'19\0' is not a valid integer value", 34),
            MessageOf(Read(kSolar, std::string("19\0", 3), "5", "12")));
}

// A refusal names the field it is about and keeps that field's text as it was given, characters
// that code page 936 lacks and bytes that are no UTF-8 included; the conversion error quotes it
// so.
TEST(AnalysisRun, ARefusalNamesItsFieldAndKeepsItsTextAsGiven) {
  using Kind = Refusal::Kind;
  struct Case {
    const char* what;
    CalendarMode mode;
    std::string year, month, day;
    Kind kind;
    DatePart field;
    std::string text;
  };
  const Case kCases[] = {
      {"a year out of range", kLunar, "2030", "x", "12", Kind::YearOutOfRange, DatePart::Year, "2030"},
      {"a month out of range, blank and all", kLunar, "1990", " 13", "12", Kind::MonthOrDayOutOfRange, DatePart::Month, " 13"},
      {"day 0", kLunar, "1990", "5", "0", Kind::MonthOrDayOutOfRange, DatePart::Day, "0"},
      {"a day its month lacks", kSolar, "1990", "2", "+30", Kind::NoSuchDay, DatePart::Day, "+30"},
      {"an emoji after a digit", kLunar, "1990", "5", "1\U0001F600", Kind::NotAWholeNumber, DatePart::Day, "1\U0001F600"},
      {"a no-break space before the month", kLunar, "1990", "\u00A05", "12", Kind::NotAWholeNumber, DatePart::Month,
       "\u00A05"},
      {"Chinese digits", kSolar, "一九九〇", "5", "12", Kind::NotAWholeNumber, DatePart::Year, "一九九〇"},
      {"a byte that is no UTF-8", kSolar, "19\xff" "0", "5", "12", Kind::NotAWholeNumber, DatePart::Year, "19\xff" "0"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const AnalysisOutcome outcome = Read(c.mode, c.year, c.month, c.day);
    ASSERT_TRUE(std::holds_alternative<Refusal>(outcome));
    const Refusal& refusal = std::get<Refusal>(outcome);
    EXPECT_EQ(c.kind, refusal.kind);
    EXPECT_EQ(c.field, refusal.field);
    EXPECT_EQ(c.text, refusal.fieldText);
    if (c.kind == Kind::NotAWholeNumber) {
      EXPECT_EQ("'" + c.text + "' is not a valid integer value", RefusalText(refusal));
    }
  }
  // A field given as a number has no text to keep.
  const AnalysisOutcome numbers = AnalysisRun({DateField::Number(1990), DateField::Number(13), DateField::Number(1),
                                               CalendarMode::Lunar});
  EXPECT_EQ((Refusal{Kind::MonthOrDayOutOfRange, DatePart::Month, ""}), std::get<Refusal>(numbers));
}

// A field's text quoted in the conversion error: whole where it is short, and where a pasted
// text is long, cut to the characters the window's box can show, never inside a character.
TEST(RefusalText, ALongQuotedFieldIsCutWhereAskedBetweenCharacters) {
  const std::string tail = "' is not a valid integer value";
  auto repeat = [](const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
  };
  struct CutCase {
    const char* what;
    std::string field, expected;  // UTF-8
  };
  const CutCase cases[] = {
      {"empty field", "", "''" + tail.substr(1)},
      {"a real mistake", "19a0", "'19a0" + tail},
      {"40 characters stay whole", repeat("9", 40), "'" + repeat("9", 40) + tail},
      {"41 characters", repeat("9", 41), "'" + repeat("9", 40) + "…" + tail},
      {"10,000 pasted digits", repeat("1", 10000), "'" + repeat("1", 40) + "…" + tail},
      {"Chinese text, cut between characters", repeat("年", 5000), "'" + repeat("年", 40) + "…" + tail},
      {"mixed, a double-byte character at the cut", repeat("1", 39) + repeat("年", 3),
       "'" + repeat("1", 39) + "年…" + tail},
      {"a character beyond code page 936 at the cut", repeat("1", 39) + repeat("\U0001F600", 2),
       "'" + repeat("1", 39) + "\U0001F600…" + tail},
  };
  for (const CutCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.expected, RefusalText({Refusal::Kind::NotAWholeNumber, DatePart::Year, c.field}, 40));
  }
  EXPECT_EQ(repeat("1", 10000), RefusalText({Refusal::Kind::NotAWholeNumber, DatePart::Year, repeat("1", 10000)}).substr(1, 10000))
      << "whole unless a cut is asked for";
  EXPECT_EQ(kYearMessage, RefusalText({Refusal::Kind::YearOutOfRange, DatePart::Year, "2030"}, 4)) << "a notice is never cut";
}

TEST(AnalysisRun, BlanksSignsAndLeadingZerosReadAsTheNumberTheyWrite) {
  const char* const kMonths[] = {"5", " 5", "+5", "005", "05", "  +0005"};
  const AnalysisOutcome plain = Read(kLunar, "1990", "5", "12");
  for (const char* month : kMonths) {
    SCOPED_TRACE(std::string("month '") + month + "'");
    EXPECT_EQ(plain, Read(kLunar, " 1990", month, "+12"));
  }
}

TEST(AnalysisRun, CompleteReadingsGiveAllSixFields) {
  for (const testing::WorkedReading& c : {testing::kSolar1950_1_7, testing::kLunar1990_5_12}) {
    SCOPED_TRACE(c.what);
    const AnalysisOutcome outcome = Read(c.mode, c.year, c.month, c.day);
    ASSERT_TRUE(std::holds_alternative<Reading>(outcome));
    const AnalysisDisplay fields = FieldsOf(std::get<Reading>(outcome));
    EXPECT_EQ(c.pillarLine, U(fields.PillarLine));
    EXPECT_EQ(c.personality, U(fields.PersonalityText));
    EXPECT_EQ(c.libido, U(fields.LibidoStars));
    EXPECT_EQ(c.date, U(fields.DateStars));
    EXPECT_EQ(c.kindness, U(fields.KindnessStars));
    EXPECT_EQ(c.money, U(fields.MoneyStars));
  }
}

TEST(AnalysisRun, TheNoteFollowsATrailingBlankOfTheDescription) {
  // A 甲子 day with a marriage score of 4 (20.5 points: rows 5, 10, 12, 13 and 28).
  const Reading reading = std::get<Reading>(Read(kSolar, "1952", "3", "19"));
  EXPECT_EQ(4, reading.marriage);
  EXPECT_TRUE(reading.lateMarriageNote);
  const AnalysisDisplay fields = FieldsOf(reading);
  ASSERT_EQ("八字：壬辰 癸卯 甲子", U(fields.PillarLine));
  EXPECT_EQ("聪明仁慈，爱学习，好面子，依赖性大有惰性，重视精神享受，好脾气 ，女晚婚或离婚",
            U(fields.PersonalityText));
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

// Every date of the range, in both readings, gives a reading with all six fields, but for a
// day that its calendar does not have: in the solar reading exactly the days past their
// month's end, in the lunar one only such days of a month's end (day 30 or 31) that fall back
// to them. The line names the pillars of the reading, and in the solar reading the day pillar
// steps on by one from each day to the next, from 丙申 on 1 January 1950 through every month
// boundary.
TEST(AnalysisRun, EveryDateOfTheRangeGivesAReadingUnlessItIsNoDay) {
  using namespace std::chrono;
  AnalysisDisplay fields;
  int previousSolarDay = CycleStep(EntryOf(丙, 申), -1);
  int refused[2] = {0, 0};  // lunar, solar
  for (CalendarMode mode : {kLunar, kSolar}) {
    for (int year = 1950; year <= 2025; ++year) {
      for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= 31; ++day) {
          const AnalysisOutcome outcome = Read(mode, std::to_string(year), std::to_string(month), std::to_string(day));
          const bool realDay =
              year_month_day{std::chrono::year{year}, std::chrono::month(month), std::chrono::day(day)}.ok();
          if (const Refusal* refusal = std::get_if<Refusal>(&outcome)) {
            ASSERT_EQ(Refusal::Kind::NoSuchDay, refusal->kind) << year << "-" << month << "-" << day;
            ASSERT_FALSE(realDay) << year << "-" << month << "-" << day;
            ASSERT_TRUE(mode == kSolar || day >= 30) << year << "-" << month << "-" << day;
            ++refused[mode == kSolar];
            continue;
          }
          ASSERT_TRUE(mode == kLunar || realDay) << year << "-" << month << "-" << day;
          const Reading& reading = std::get<Reading>(outcome);
          WriteFields(reading, fields);
          const Pillars& p = reading.pillars;
          ASSERT_EQ("八字：" + U(CycleEntry(p.Entry(kYearPillar))) + " " + U(CycleEntry(p.Entry(kMonthPillar))) + " " +
                        U(CycleEntry(p.Entry(kDayPillar))),
                    U(fields.PillarLine));
          if (mode == kSolar) {
            ASSERT_EQ(CycleStep(previousSolarDay, 1), p.Entry(kDayPillar)) << year << "-" << month << "-" << day;
            previousSolarDay = p.Entry(kDayPillar);
            ASSERT_TRUE((CalendarDate{year, month, day} == reading.read.solar)) << year << "-" << month << "-" << day;
            ASSERT_FALSE(reading.read.asLunar);
          }
          ASSERT_EQ(reading.marriage > 3, reading.lateMarriageNote);
          ASSERT_GE(fields.PersonalityText.size(), 63u);
          for (const GbkString* stars : {&fields.LibidoStars, &fields.DateStars, &fields.KindnessStars,
                                         &fields.MoneyStars})
            ASSERT_EQ(10u, stars->size());
        }
      }
    }
  }
  EXPECT_EQ(EntryOf(甲, 戌), previousSolarDay);  // 31 December 2025
  // Each year has 7 such days past 28 February (29, 30, 31 February, 31 April, June, September,
  // November) and 19 of the 76 years are leap years, whose 29 February is a day.
  EXPECT_EQ(76 * 7 - 19, refused[1]);
  // Every lunar day 31 of those five months falls back to one; some day 30 of a 29-day month
  // falls back to 30 February.
  EXPECT_GT(refused[0], 76 * 5);
}

}  // namespace
}  // namespace tesserin
