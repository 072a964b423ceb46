// What the main page shows around a reading: no reading beside a refused date, an unreadable
// profile or a new contact's nickname; the nickname only beside the date the watcher filled in
// (or a record row put back), until a date field is edited; the word after the day field says
// how the reading shown read its date.
#include "form/MainPage.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "TestText.h"
#include "WorkedReadings.h"

namespace tesserin::ui {
namespace {

using testing::kLunar1990_5_12;
using testing::kSolar1950_1_7;
using testing::WorkedReading;

const char kUnreadable[] = "抱歉：没有识别出来，或者年龄大于100岁或者小于10岁，无意义";

Reading ReadingOf(CalendarMode mode, const char* year, const char* month, const char* day) {
  return std::get<Reading>(AnalysisRun(InputOfTexts(year, month, day, mode)));
}
Reading ReadingOf(const WorkedReading& r) { return ReadingOf(r.mode, r.year, r.month, r.day); }

using Step = std::function<void(MainPage&)>;

Step FilledIn(const char* nickname) {
  return [=](MainPage& page) { page.DateFilledIn(nickname ? std::optional<GbkString>(G(nickname)) : std::nullopt); };
}
Step Edited() {
  return [](MainPage& page) { page.DateFieldChanged(); };
}
Step Found(const char* nickname) {
  return [=](MainPage& page) { page.ProfileFound(G(nickname)); };
}
Step Read(const WorkedReading& r) {
  return [&r](MainPage& page) { page.ShowReading(ReadingOf(r)); };
}
// The watcher's date read again by the button: the same date as solar.
Step ReadAsSolar(const WorkedReading& r) {
  return [&r](MainPage& page) { page.ShowReading(ReadingOf(CalendarMode::Solar, r.year, r.month, r.day)); };
}
Step Refused() {
  return [](MainPage& page) { page.ShowRefusal(); };
}
Step Unreadable(const char* nickname) {
  return [=](MainPage& page) { page.ShowUnreadable(G(nickname), G(kUnreadable)); };
}

// What a profile's reading goes through: the nickname shows, the scan changes the date fields,
// the watcher fills in the year, the lunar reading.
std::vector<Step> ProfileRead(const char* nickname, const WorkedReading& r) {
  return {Found(nickname), Edited(), FilledIn(nickname), Read(r)};
}

std::vector<Step> Then(std::vector<Step> steps, const std::vector<Step>& more) {
  steps.insert(steps.end(), more.begin(), more.end());
  return steps;
}

struct Expected {
  const WorkedReading* reading;  // the reading shown (its lunar or solar one by `solar`), or none
  bool solar;
  const char* nickname;  // Label7
  const char* dayLabel;  // Label3
  const char* memo;      // when no reading is shown
  const char* owner;     // whose date the fields hold; nullptr for a typed one
};

struct Case {
  const char* what;
  std::vector<Step> steps;
  Expected expected;
};

TEST(MainPage, WhatThePageShowsAfterEachRunAndWhoseDateItIs) {
  const Case kCases[] = {
      {"at start", {}, {nullptr, false, "QQ", "日(农历)", "", nullptr}},
      {"a date typed by hand, read with Enter", {Edited(), Read(kLunar1990_5_12)},
       {&kLunar1990_5_12, false, "QQ", "日(农历)", nullptr, nullptr}},
      {"a date typed by hand, read with the button", {Edited(), Read(kSolar1950_1_7)},
       {&kSolar1950_1_7, true, "QQ", "日(公历)", nullptr, nullptr}},
      {"a profile read", ProfileRead("小红", kLunar1990_5_12),
       {&kLunar1990_5_12, false, "小红", "日(农历)", nullptr, "小红"}},
      {"the button over the date as the watcher filled it in",
       Then(ProfileRead("小红", kLunar1990_5_12), {ReadAsSolar(kLunar1990_5_12)}),
       {&kLunar1990_5_12, true, "小红", "日(公历)", nullptr, "小红"}},
      {"a date typed by hand after a profile reading",
       Then(ProfileRead("小红", kLunar1990_5_12), {Edited(), Read(kSolar1950_1_7)}),
       {&kSolar1950_1_7, true, "QQ", "日(公历)", nullptr, nullptr}},
      {"a date field edited back to the watcher's date: edited all the same",
       Then(ProfileRead("小红", kLunar1990_5_12), {Edited(), Edited(), Read(kLunar1990_5_12)}),
       {&kLunar1990_5_12, false, "QQ", "日(农历)", nullptr, nullptr}},
      {"a date refused after a reading", {Edited(), Read(kLunar1990_5_12), Edited(), Refused()},
       {nullptr, false, "QQ", "日(农历)", "", nullptr}},
      {"a solar reading, then a refused date", {Edited(), Read(kSolar1950_1_7), Refused()},
       {nullptr, false, "QQ", "日(农历)", "", nullptr}},
      {"the watcher's own date refused (an age giving a year before 1950)",
       Then(ProfileRead("小红", kLunar1990_5_12), {Found("老王"), Edited(), FilledIn("老王"), Refused()}),
       {nullptr, false, "老王", "日(农历)", "", "老王"}},
      {"a typed date refused after a profile reading",
       Then(ProfileRead("小红", kLunar1990_5_12), {Edited(), Refused()}),
       {nullptr, false, "QQ", "日(农历)", "", nullptr}},
      {"a new nickname while its profile is read",
       Then(ProfileRead("小红", kLunar1990_5_12), {Found("小明")}),
       {nullptr, false, "小明", "日(农历)", "", "小红"}},
      {"an unreadable profile after a reading",
       Then(ProfileRead("小红", kLunar1990_5_12), {Found("小明"), Unreadable("小明")}),
       {nullptr, false, "小明", "日(农历)", kUnreadable, nullptr}},
      {"a date typed by hand after an unreadable profile",
       Then(ProfileRead("小红", kLunar1990_5_12), {Found("小明"), Edited(), Unreadable("小明"), Edited(), Read(kSolar1950_1_7)}),
       {&kSolar1950_1_7, true, "QQ", "日(公历)", nullptr, nullptr}},
      {"the button while a new profile is read: the fields still hold the last contact's date",
       Then(ProfileRead("小红", kLunar1990_5_12), {Found("小明"), ReadAsSolar(kLunar1990_5_12)}),
       {&kLunar1990_5_12, true, "小红", "日(公历)", nullptr, "小红"}},
      {"a record row of a profile put back, then the button",
       {Edited(), Read(kSolar1950_1_7), Edited(), FilledIn("小红"), Read(kLunar1990_5_12), ReadAsSolar(kLunar1990_5_12)},
       {&kLunar1990_5_12, true, "小红", "日(公历)", nullptr, "小红"}},
      {"a record row of a typed date put back after a profile reading",
       Then(ProfileRead("小红", kLunar1990_5_12), {Edited(), FilledIn(nullptr), Read(kSolar1950_1_7)}),
       {&kSolar1950_1_7, true, "QQ", "日(公历)", nullptr, nullptr}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    MainPage page;
    for (const Step& step : c.steps) step(page);
    const Expected& e = c.expected;
    const MainPageTexts& texts = page.Texts();
    EXPECT_EQ(U(texts.nickname), e.nickname);
    EXPECT_EQ(U(texts.dayLabel), e.dayLabel);
    EXPECT_EQ(page.DateOwner(), e.owner ? std::optional<GbkString>(G(e.owner)) : std::nullopt);
    if (e.reading) {
      const Reading reading = e.solar ? ReadingOf(CalendarMode::Solar, e.reading->year, e.reading->month, e.reading->day)
                                      : ReadingOf(*e.reading);
      EXPECT_EQ(page.ShownReading(), reading);
      EXPECT_EQ(texts.fields, FieldsOf(reading));
      if (e.solar == (e.reading->mode == CalendarMode::Solar)) {  // the worked reading itself
        EXPECT_EQ(U(texts.fields.PillarLine), e.reading->pillarLine);
        EXPECT_EQ(U(texts.fields.KindnessStars), e.reading->kindness);
      }
    } else {
      EXPECT_FALSE(page.ShownReading().has_value());
      EXPECT_EQ(U(texts.fields.PillarLine), "八字：");
      EXPECT_EQ(U(texts.fields.PersonalityText), e.memo);
      for (const GbkString* stars : {&texts.fields.LibidoStars, &texts.fields.DateStars,
                                     &texts.fields.KindnessStars, &texts.fields.MoneyStars})
        EXPECT_EQ(*stars, " ");
    }
  }
}

TEST(MainPage, TheDayLabelSaysHowTheReadingShownReadItsDate) {
  struct Case {
    const char* what;
    CalendarMode mode;
    const char *year, *month, *day;
    const char* label;
  };
  const Case kCases[] = {
      {"lunar date", CalendarMode::Lunar, "1990", "5", "12", "日(农历)"},
      {"last day of a 29-day lunar month", CalendarMode::Lunar, "1951", "2", "29", "日(农历)"},
      {"solar date", CalendarMode::Solar, "1990", "5", "31", "日(公历)"},
      {"day 30 of a 29-day lunar month, read as solar", CalendarMode::Lunar, "1951", "5", "30", "日(按公历)"},
      {"lunar day 31, read as solar", CalendarMode::Lunar, "1990", "5", "31", "日(按公历)"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(U(DayLabelText(ReadingOf(c.mode, c.year, c.month, c.day))), c.label);
  }
  EXPECT_EQ(U(DayLabelText(std::nullopt)), "日(农历)") << "no reading: as at start";
}

}  // namespace
}  // namespace tesserin::ui
