// What the main page shows, drawn from its state after each thing that happens: no reading
// beside a date it did not read, a refused date or an unreadable profile; the nickname only
// while the date fields are as her profile (or a record row of hers) filled them in, and then no
// field holding another contact's value; the word after the day field says how the reading
// shown read its date.
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

using Step = std::function<void(MainPage&)>;

Step Edit(Field field, const char* text) {
  return [=](MainPage& page) { page.Edited(field, G(text)); };
}
std::vector<Step> Typed(const char* year, const char* month, const char* day) {
  return {Edit(Field::Year, year), Edit(Field::Month, month), Edit(Field::Day, day)};
}
Step Run(CalendarMode mode) {
  return [=](MainPage& page) { page.RunEnded(AnalysisRun(page.Input(mode))); };
}
const Step kEnter = Run(CalendarMode::Lunar);
const Step kButton = Run(CalendarMode::Solar);
Step Found(const char* nickname) {
  return [=](MainPage& page) { page.ProfileFound(G(nickname)); };
}
Step Filled(Field field, const char* text) {
  return [=](MainPage& page) { page.ProfileFilled(field, G(text)); };
}
Step Unreadable() {
  return [](MainPage& page) { page.ProfileUnreadable(G(kUnreadable)); };
}
// A record row put back: a reading of hers (or typed, with no nickname), her age beside it.
Step Row(const char* nickname, const WorkedReading& r, const char* age) {
  return [=, &r](MainPage& page) {
    RecordRow row{{}, nickname ? std::optional<GbkString>(G(nickname)) : std::nullopt,
                  ReadingOf(r.mode, r.year, r.month, r.day), G(age)};
    page.ShowRow(row);
  };
}

// What the watcher does with a profile it read whole: her nickname, her fields, the reading.
std::vector<Step> Profile(const char* nickname, const char* age, const WorkedReading& r) {
  return {Found(nickname), Filled(Field::Age, age), Filled(Field::Year, ""), Filled(Field::Month, r.month),
          Filled(Field::Day, r.day), Filled(Field::Year, r.year), kEnter};
}
// What it does with one it could not read whole: what it read of her, and the message.
std::vector<Step> UnreadableProfile(const char* nickname, const char* age, const char* month, const char* day) {
  return {Found(nickname), Filled(Field::Age, age), Filled(Field::Year, ""), Filled(Field::Month, month),
          Filled(Field::Day, day), Unreadable()};
}

std::vector<Step> Then(std::vector<Step> steps, const std::vector<Step>& more) {
  steps.insert(steps.end(), more.begin(), more.end());
  return steps;
}

struct Expected {
  const char *age, *year, *month, *day;
  const char* nickname;  // Label7
  bool reading;          // a reading of the fields' date shows, in the mode `solar` says
  bool solar;
  const char* dayLabel;  // Label3
  const char* memo;      // when no reading is shown
};

struct Case {
  const char* what;
  std::vector<Step> steps;
  Expected expected;
};

TEST(MainPage, WhatThePageShowsAfterEachStepAndWhoseItIs) {
  const Case kCases[] = {
      {"at start", {}, {"", "", "", "", "QQ", false, false, "日(农历)", ""}},
      {"a date typed by hand, read with Enter", Then(Typed("1990", "5", "12"), {kEnter}),
       {"", "1990", "5", "12", "QQ", true, false, "日(农历)", nullptr}},
      {"a date typed by hand, read with the button", Then(Typed("1950", "1", "7"), {kButton}),
       {"", "1950", "1", "7", "QQ", true, true, "日(公历)", nullptr}},
      {"a typed date's reading goes the moment a field is edited",
       Then(Typed("1990", "5", "12"), {kEnter, Edit(Field::Day, "1")}),
       {"", "1990", "5", "1", "QQ", false, false, "日(农历)", ""}},
      {"an age typed beside a reading leaves it",
       Then(Typed("1990", "5", "12"), {kEnter, Edit(Field::Age, "30")}),
       {"30", "1990", "5", "12", "QQ", true, false, "日(农历)", nullptr}},
      {"a profile read", Profile("小红", "36", kLunar1990_5_12),
       {"36", "1990", "5", "12", "小红", true, false, "日(农历)", nullptr}},
      {"the button over her date as the watcher filled it in", Then(Profile("小红", "36", kLunar1990_5_12), {kButton}),
       {"36", "1990", "5", "12", "小红", true, true, "日(公历)", nullptr}},
      {"a day typed over hers: nobody's date, her age goes with her nickname",
       Then(Profile("小红", "36", kLunar1990_5_12), {Edit(Field::Day, "7")}),
       {"", "1990", "5", "7", "QQ", false, false, "日(农历)", ""}},
      {"her day typed back: typed all the same",
       Then(Profile("小红", "36", kLunar1990_5_12), {Edit(Field::Day, "1"), Edit(Field::Day, "12"), kEnter}),
       {"", "1990", "5", "12", "QQ", true, false, "日(农历)", nullptr}},
      {"an age typed over hers stays the user's after a typed date",
       Then(Profile("小红", "36", kLunar1990_5_12), {Edit(Field::Age, "40"), Edit(Field::Year, "1991"), kButton}),
       {"40", "1991", "5", "12", "QQ", true, true, "日(公历)", nullptr}},
      {"a new profile window: her nickname and nothing of the last contact's",
       Then(Profile("小红", "36", kLunar1990_5_12), {Found("小明")}),
       {"", "", "", "", "小明", false, false, "日(农历)", ""}},
      {"an unreadable profile after a reading: only what was read of her",
       Then(Profile("小红", "36", kLunar1990_5_12), UnreadableProfile("小明", "33", "6", "")),
       {"33", "", "6", "", "小明", false, false, "日(农历)", kUnreadable}},
      {"a year typed by hand before an unreadable profile goes",
       Then(Typed("1985", "3", "4"), UnreadableProfile("小明", "", "", "")),
       {"", "", "", "", "小明", false, false, "日(农历)", kUnreadable}},
      {"a date typed after an unreadable profile: the message goes with her",
       Then(UnreadableProfile("小明", "33", "6", ""), {Edit(Field::Day, "3")}),
       {"", "", "6", "3", "QQ", false, false, "日(农历)", ""}},
      {"her own date refused (an age giving a year before 1950)",
       {Found("老王"), Filled(Field::Age, "99"), Filled(Field::Month, "3"), Filled(Field::Day, "14"),
        Filled(Field::Year, "1920"), kEnter},
       {"99", "1920", "3", "14", "老王", false, false, "日(农历)", ""}},
      {"a typed date refused after a reading", Then(Typed("1990", "5", "12"), {kEnter, Edit(Field::Month, "13"), kButton}),
       {"", "1990", "13", "12", "QQ", false, false, "日(农历)", ""}},
      {"a record row of hers put back", Then(Typed("1950", "1", "7"), {kButton, Row("小红", kLunar1990_5_12, "36")}),
       {"36", "1990", "5", "12", "小红", true, false, "日(农历)", nullptr}},
      {"a record row of a typed date put back after her reading",
       Then(Profile("小红", "36", kLunar1990_5_12), {Row(nullptr, kSolar1950_1_7, "")}),
       {"", "1950", "1", "7", "QQ", true, true, "日(公历)", nullptr}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    MainPage page;
    for (const Step& step : c.steps) step(page);
    const Expected& e = c.expected;
    const MainPageView& view = page.View();
    EXPECT_EQ(U(view.fields[static_cast<int>(Field::Age)]), e.age);
    EXPECT_EQ(U(view.fields[static_cast<int>(Field::Year)]), e.year);
    EXPECT_EQ(U(view.fields[static_cast<int>(Field::Month)]), e.month);
    EXPECT_EQ(U(view.fields[static_cast<int>(Field::Day)]), e.day);
    EXPECT_EQ(U(view.nickname), e.nickname);
    EXPECT_EQ(page.DateOwner().has_value(), std::string(e.nickname) != "QQ");
    EXPECT_EQ(U(view.dayLabel), e.dayLabel);
    if (e.reading) {
      const Reading reading = ReadingOf(e.solar ? CalendarMode::Solar : CalendarMode::Lunar, e.year, e.month, e.day);
      EXPECT_EQ(page.ShownReading(), reading);
      EXPECT_EQ(view.result, FieldsOf(reading));
    } else {
      EXPECT_FALSE(page.ShownReading().has_value());
      AnalysisDisplay none = AnalysisDisplay::Initial();
      none.PersonalityText = G(e.memo);
      EXPECT_EQ(view.result, none);
    }
  }
}

TEST(MainPage, TheFormsOwnWritesChangeNothing) {
  MainPage page;
  for (const Step& step : Profile("小红", "36", kLunar1990_5_12)) step(page);
  const MainPageView before = page.View();
  for (int i = 0; i < kFieldCount; ++i)
    EXPECT_FALSE(page.Edited(static_cast<Field>(i), before.fields[i])) << "the text the page already holds";
  EXPECT_EQ(page.View(), before);
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
