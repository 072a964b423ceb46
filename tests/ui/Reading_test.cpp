// Readings started from the real form: Enter in Edit3 (lunar) and Button1 (solar) fill all six
// result fields; invalid input is told in a modal box and a conversion error in the standard
// error box; while such a box is open, ticks and key presses start no second reading.
#include <cstring>

#include "FormFixture_win.h"
#include "WorkedReadings.h"
#include "base/Gbk.h"
#include "reading/AnalysisRun.h"
#include "ui/ControlText_win.h"
#include "ui/FormState_win.h"
#include "ui/ReadingBinding_win.h"

namespace tesserin::ui::test {
namespace {

using tesserin::testing::kLunar1990_5_12;
using tesserin::testing::kSolar1950_1_7;
using tesserin::testing::WorkedReading;

class ReadingTest : public FormTest {
 protected:
  static void ExpectResults(const WorkedReading& r) {
    EXPECT_EQ(Utf8Of(TextOf(Ctl::PillarLine)), r.pillarLine);
    EXPECT_EQ(Utf8Of(TextOf(Ctl::PersonalityMemo)), r.personality);
    EXPECT_EQ(Utf8Of(TextOf(Ctl::LibidoStars)), r.libido);
    EXPECT_EQ(Utf8Of(TextOf(Ctl::DateStars)), r.date);
    EXPECT_EQ(Utf8Of(TextOf(Ctl::KindnessStars)), r.kindness);
    EXPECT_EQ(Utf8Of(TextOf(Ctl::MoneyStars)), r.money);
  }
  using FormTest::EnterDate;
  static void EnterDate(const WorkedReading& r) {
    auto wide = [](const char* ascii) { return std::wstring(ascii, ascii + std::strlen(ascii)); };
    EnterDate(wide(r.year).c_str(), wide(r.month).c_str(), wide(r.day).c_str());
  }
};

TEST_F(ReadingTest, TypedDateAndEnterInTheDayFieldGiveTheLunarReading) {
  FocusOn(Ctl::YearField);
  Type(L"1990512\r");
  ExpectResults(kLunar1990_5_12);
  EXPECT_EQ(TextOf(Ctl::DayField), L"12") << "Enter is not inserted";
}

TEST_F(ReadingTest, TheSolarButtonGivesTheSolarReading) {
  EnterDate(kSolar1950_1_7);
  ClickSolarButton();
  ExpectResults(kSolar1950_1_7);
}

TEST_F(ReadingTest, ResultLabelsSizeToTheirNewText) {
  EnterDate(kSolar1950_1_7);
  ClickSolarButton();
  for (Ctl id : {Ctl::PillarLine, Ctl::LibidoStars, Ctl::DateStars, Ctl::KindnessStars, Ctl::MoneyStars}) {
    SCOPED_TRACE(Utf8Of(std::wstring(SpecOf(id).name)));
    RECT r;
    GetWindowRect(Control(id), &r);
    // Five stars of a 24-pixel font, or the pillars line: far wider than the blank at start.
    EXPECT_GT(r.right - r.left, 100);
  }
}

struct InvalidCase {
  const char* what;
  const wchar_t *year, *month, *day;
  bool byEnter;  // else Button1
  const char* message;
};

const InvalidCase kInvalid[] = {
    {"year before 1950, by Enter", L"1949", L"5", L"12", true, "本程序只计算1950～2025年间的数据"},
    {"year after 2025, by Button1", L"2026", L"5", L"12", false, "本程序只计算1950～2025年间的数据"},
    {"year out of range, month not even looked at", L"2030", L"", L"", false, "本程序只计算1950～2025年间的数据"},
    {"month 13", L"1990", L"13", L"1", true, "月或日数据超出正常范围"},
    {"day 32", L"1990", L"1", L"32", false, "月或日数据超出正常范围"},
    // A day past its month's end is refused as day 32 is, in the same box: not read as the
    // day it would count on to.
    {"solar 31 February, by Button1", L"1990", L"2", L"31", false, "月或日数据超出正常范围"},
    {"lunar 31 April, falling back to no solar day, by Enter", L"1990", L"4", L"31", true, "月或日数据超出正常范围"},
};

TEST_F(ReadingTest, InvalidDatesAreToldInAModalBox) {
  for (const InvalidCase& c : kInvalid) {
    SCOPED_TRACE(c.what);
    EnterDate(kSolar1950_1_7);
    ClickSolarButton();  // results of an earlier reading in every field
    EnterDate(c.year, c.month, c.day);
    std::wstring memoWhileOpen = L"?";
    const BoxSeen seen = WithBox(c.byEnter ? std::function<void()>(ReadByEnterInDayField) : std::function<void()>(ClickSolarButton),
                                 {[&](HWND) { memoWhileOpen = TextOf(Ctl::PersonalityMemo); }});
    EXPECT_EQ(seen.caption, L"Tesserin");
    EXPECT_EQ(Utf8Of(seen.text), c.message);
    EXPECT_FALSE(seen.stopIcon);
    EXPECT_EQ(memoWhileOpen, L"") << "Memo1 is already empty while the box is open";
    EXPECT_EQ(TextOf(Ctl::PersonalityMemo), L"");
    EXPECT_EQ(Utf8Of(TextOf(Ctl::PillarLine)), "八字：") << "no reading beside the refused date";
    EXPECT_EQ(TextOf(Ctl::KindnessStars), L" ");
  }
}

TEST_F(ReadingTest, ConversionErrorsAppearInTheStandardErrorBox) {
  struct Case {
    const char* what;
    const wchar_t *year, *month, *day;
    const char* text;
  };
  const Case cases[] = {
      {"empty day", L"1990", L"5", L"", "'' is not a valid integer value."},
      {"letters in the year, as another writer may leave them", L"abc", L"5", L"12", "'abc' is not a valid integer value."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EnterDate(c.year, c.month, c.day);
    const BoxSeen seen = WithBox(ClickSolarButton);
    EXPECT_EQ(seen.caption, L"Tesserin");
    EXPECT_EQ(Utf8Of(seen.text), c.text);
    EXPECT_TRUE(seen.stopIcon);
    EXPECT_FALSE(Form1State().readingBusy);
  }
  // The program goes on: the next reading works.
  EnterDate(kSolar1950_1_7);
  ClickSolarButton();
  ExpectResults(kSolar1950_1_7);
}

TEST_F(ReadingTest, AFieldOfThousandsOfPastedCharactersGivesAnErrorBoxThatFitsTheScreen) {
  struct Case {
    const char* what;
    std::wstring year;
    const char* text;
  };
  const Case cases[] = {
      {"10,000 digits", std::wstring(10000, L'1'),
       "'1111111111111111111111111111111111111111…' is not a valid integer value."},
      {"5,000 Chinese characters", std::wstring(5000, L'年'),
       "'年年年年年年年年年年年年年年年年年年年年年年年年年年年年年年年年年年年年年年年年…' is not a valid integer value."},
  };
  const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EnterDate(c.year.c_str(), L"5", L"12");
    RECT box{}, ok{};
    const BoxSeen seen = WithBox(ClickSolarButton, {[&](HWND b) {
                                   GetWindowRect(b, &box);
                                   GetWindowRect(GetDlgItem(b, IDOK), &ok);
                                 }});
    EXPECT_EQ(Utf8Of(seen.text), c.text);
    EXPECT_LE(box.right - box.left, screen.right);
    EXPECT_LE(box.bottom - box.top, screen.bottom);
    EXPECT_GE(ok.top, screen.top);
    EXPECT_LE(ok.bottom, screen.bottom) << "the OK button can be clicked";
  }
}

TEST_F(ReadingTest, NothingStartsASecondReadingWhileABoxIsOpen) {
  EnterDate(L"2030", L"5", L"12");
  int boxesWhileOpen = 0;
  std::wstring pillarsWhileOpen, dayWhileOpen;
  const BoxSeen seen = WithBox(ReadByEnterInDayField, {
      [&](HWND) {
        // A valid date now: a second reading, if one started, would fill the results.
        SetTextOf(Ctl::YearField, L"1990");
        HWND day = Control(Ctl::DayField);
        SendMessageW(day, EM_SETSEL, 0x7FFF, 0x7FFF);  // caret at the end
        for (UINT key : {UINT{'3'}, UINT{VK_RETURN}}) {  // dispatched by the box's own loop
          PostMessageW(day, WM_KEYDOWN, key, 1);
          PostMessageW(day, WM_KEYUP, key, 1 | (LPARAM{3} << 30));
        }
        PostMessageW(form, WM_TIMER, kWatcherTimerId, 0);
        ReadDateFields(CalendarMode::Lunar);  // what the profile watcher does on a tick
        SendMessageW(Control(Ctl::SolarButton), BM_CLICK, 0, 0);
      },
      [&](HWND) {
        boxesWhileOpen = static_cast<int>(OpenBoxes().size());
        pillarsWhileOpen = TextOf(Ctl::PillarLine);
        dayWhileOpen = TextOf(Ctl::DayField);
      },
  });
  EXPECT_EQ(Utf8Of(seen.text), "本程序只计算1950～2025年间的数据");
  EXPECT_EQ(boxesWhileOpen, 1);
  EXPECT_EQ(Utf8Of(pillarsWhileOpen), "八字：");
  EXPECT_EQ(dayWhileOpen, L"123") << "the keys reached the day field; Enter was not inserted";
  EXPECT_EQ(Utf8Of(TextOf(Ctl::PillarLine)), "八字：") << "nothing ran after the box closed either";
  EXPECT_FALSE(Form1State().readingBusy);

  SetTextOf(Ctl::DayField, L"12");
  ReadByEnterInDayField();  // after the box: the next reading works
  ExpectResults(kLunar1990_5_12);
}

TEST_F(ReadingTest, FieldsAreReachableForOtherCode) {
  SetControlText(Ctl::NicknameLabel, Gbk("昵称"));
  EXPECT_EQ(Utf8Of(TextOf(Ctl::NicknameLabel)), "昵称");
  SetControlText(Ctl::AgeField, "33");
  EXPECT_EQ(ControlText(Ctl::AgeField), "33");
  EXPECT_FALSE(AutoCloseChecked());
  SendMessageW(Control(Ctl::AutoCloseBox), BM_CLICK, 0, 0);
  EXPECT_TRUE(AutoCloseChecked());
  EXPECT_EQ(FormHandle(), form);
}

}  // namespace
}  // namespace tesserin::ui::test
