// What the main page shows beside a reading, in the real form: no reading is left beside a
// refused date or an unreadable profile; the nickname goes with the date the watcher filled
// in; the label after the day field says how the reading shown read its date, and changing it
// moves no other control (at the DPI of the run, and at 144 after a change of monitor).
#include <windows.h>

#include <commctrl.h>

#include <map>
#include <string>

#include "FormFixture_win.h"
#include "base/Gbk.h"
#include "form/MenuCommands.h"
#include "form/ReadingRecord.h"
#include "ui/Clipboard_win.h"
#include "ui/FormState_win.h"
#include "ui/ReadingBinding_win.h"
#include "watcher/ProfileWatcher.h"

namespace tesserin::ui::test {
namespace {

const std::wstring kSentinel = L"put there by the test";

class MainPageTest : public FormTest {
 protected:
  // The source and date cells of the newest row of the record.
  static std::wstring NewestRow() {
    const ReadingRecord& record = Form1State().record;
    if (record.Size() == 0) return L"";
    return WideFromGbk(CellText(record.Row(0), RecordColumn::Source, CellForm::Shown)) + L"|" +
           WideFromGbk(CellText(record.Row(0), RecordColumn::Date, CellForm::Shown));
  }
  static bool CopyCommandGreyed(HWND form) {
    return GetMenuState(GetSystemMenu(form, FALSE), kSysCommandCopyReading, MF_BYCOMMAND) & MF_GRAYED;
  }
  static void ExpectNoReading(const std::wstring& memo) {
    EXPECT_EQ(TextOf(Ctl::PillarLine), L"八字：");
    EXPECT_EQ(TextOf(Ctl::PersonalityMemo), memo);
    for (Ctl stars : {Ctl::LibidoStars, Ctl::DateStars, Ctl::KindnessStars, Ctl::MoneyStars}) EXPECT_EQ(TextOf(stars), L" ");
    EXPECT_EQ(TextOf(Ctl::DayLabel), L"日(农历)");
  }
};

TEST_F(MainPageTest, NoReadingIsLeftBesideARefusedDateOrAnUnreadableProfile) {
  // A date read and refused (its notice box closed with OK), or the watcher's message.
  struct Case {
    const char* what;
    const wchar_t *year, *month, *day;
    void (*read)();  // none: the profile could not be read
    const wchar_t* memo;
    const wchar_t* nickname;
  };
  const Case kCases[] = {
      {"a year out of range, by Enter", L"2030", L"5", L"12", ReadByEnterInDayField, L"", L"QQ"},
      {"a day out of range, by the button", L"1990", L"5", L"32", ClickSolarButton, L"", L"QQ"},
      {"an empty month: the conversion error", L"1990", L"", L"12", ClickSolarButton, L"", L"QQ"},
      {"the watcher's date refused (an age giving a year before 1950)", L"1920", L"3", L"14",
       [] {
         FillFromProfile("老王", L"1920", L"3", L"14");
         ReadDateFields(CalendarMode::Lunar);
       },
       L"", L"老王"},
      {"an unreadable profile", L"", L"", L"", nullptr,
       L"抱歉：没有识别出来，或者年龄大于100岁或者小于10岁，无意义", L"小明"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    FromProfile("小红", L"1990", L"5", L"12");
    ASSERT_EQ(TextOf(Ctl::PillarLine), L"八字：庚午 辛巳 庚子");
    const ReadingRecord& record = Form1State().record;
    const std::size_t rows = record.Size();
    ASSERT_TRUE(PutClipboardText(form, kSentinel));

    EnterDate(c.year, c.month, c.day);
    if (c.read) {
      WithBox(c.read);
    } else {
      ShowProfileFound(Gbk("小明"));
      ShowUnreadableProfile(UnreadableProfileMessage());
    }
    ExpectNoReading(c.memo);
    EXPECT_EQ(TextOf(Ctl::NicknameLabel), c.nickname);
    FocusOn(Ctl::SolarButton);
    PressWithCtrl('C');
    SendMessageW(form, WM_SYSCOMMAND, kSysCommandCopyReading, 0);
    Pump();
    EXPECT_EQ(ClipboardSeenElsewhere(), kSentinel) << "nothing to copy";
    EXPECT_TRUE(CopyCommandGreyed(form));
    const std::size_t unreadableRows = c.read ? 0 : 1;
    ASSERT_EQ(record.Size(), rows + unreadableRows);
    EXPECT_EQ(record.Row(unreadableRows).nickname, Gbk("小红")) << "the record keeps her reading";
  }
}

TEST_F(MainPageTest, ARefusedDateEmptiesTheFieldsBeforeItsNoticeShows) {
  FromProfile("小红", L"1990", L"5", L"12");
  EnterDate(L"1990", L"13", L"1");
  std::map<Ctl, std::wstring> whileOpen;
  WithBox(ClickSolarButton, {[&](HWND) {
            for (Ctl id : {Ctl::PillarLine, Ctl::PersonalityMemo, Ctl::LibidoStars, Ctl::MoneyStars, Ctl::NicknameLabel}) whileOpen[id] = TextOf(id);
          }});
  EXPECT_EQ(whileOpen[Ctl::PillarLine], L"八字：");
  EXPECT_EQ(whileOpen[Ctl::PersonalityMemo], L"");
  EXPECT_EQ(whileOpen[Ctl::LibidoStars], L" ");
  EXPECT_EQ(whileOpen[Ctl::MoneyStars], L" ");
  EXPECT_EQ(whileOpen[Ctl::NicknameLabel], L"QQ") << "the refused date was typed by hand";
}

TEST_F(MainPageTest, TheNicknameGoesWithTheDateTheWatcherFilledIn) {
  FromProfile("小红", L"1990", L"5", L"12");
  EXPECT_EQ(TextOf(Ctl::NicknameLabel), L"小红");
  EXPECT_EQ(NewestRow(), L"小红|1990-05-12 农历");

  ClickSolarButton();  // the same fields, read as solar: still her date
  EXPECT_EQ(TextOf(Ctl::NicknameLabel), L"小红");
  EXPECT_EQ(NewestRow(), L"小红|1990-05-12 公历");

  ReadByEnterInDayField();  // and as lunar again, by Enter
  EXPECT_EQ(TextOf(Ctl::NicknameLabel), L"小红");
  EXPECT_EQ(NewestRow(), L"小红|1990-05-12 农历");

  FocusOn(Ctl::DayField);  // selects the day
  Type(L"7\r");
  EXPECT_EQ(TextOf(Ctl::NicknameLabel), L"QQ") << "a day typed by hand";
  EXPECT_EQ(NewestRow(), L"手动|1990-05-07 农历");

  FocusOn(Ctl::DayField);
  Type(L"12\r");  // her day again, but typed
  EXPECT_EQ(TextOf(Ctl::NicknameLabel), L"QQ");
  EXPECT_EQ(NewestRow(), L"手动|1990-05-12 农历");
  ClickSolarButton();
  EXPECT_EQ(TextOf(Ctl::NicknameLabel), L"QQ");
  EXPECT_EQ(NewestRow(), L"手动|1990-05-12 公历");

  FromProfile("小兰", L"1985", L"8", L"3");
  SetTextOf(Ctl::AgeField, L"40");  // the age is no part of the date
  ClickSolarButton();
  EXPECT_EQ(TextOf(Ctl::NicknameLabel), L"小兰");
  EXPECT_EQ(NewestRow(), L"小兰|1985-08-03 公历");
  FocusOn(Ctl::YearField);
  Type(L"1986");  // the year typed over
  ClickSolarButton();
  EXPECT_EQ(TextOf(Ctl::NicknameLabel), L"QQ");
  EXPECT_EQ(NewestRow(), L"手动|1986-08-03 公历");
}

// A nickname too long for the room before the 八字 line shows shortened with "…", whole in its
// tooltip; a short one shows whole, with no tooltip.
TEST_F(MainPageTest, ALongNicknameStaysClearOfThePillarLine) {
  struct Case {
    const char* nickname;
    bool shortened;
  };
  const Case kCases[] = {{"小红", false}, {"一二三四五六七八九十十一", true}, {"WWWWWWWWWWWWWWWWWWWW", true}};
  const UINT dpi = FormDpi(), other = dpi == 144 ? 96 : 144;
  for (UINT at : {dpi, other}) {
    ChangeDpi(form, at);
    for (const Case& c : kCases) {
      SCOPED_TRACE(std::string(c.nickname) + " at " + std::to_string(at) + " DPI");
      FromProfile(c.nickname, L"1990", L"5", L"12");
      const std::wstring shown = TextOf(Ctl::NicknameLabel);
      const std::wstring whole = WideFromGbk(Gbk(c.nickname));
      EXPECT_LT(RectInParent(Control(Ctl::NicknameLabel)).right, RectInParent(Control(Ctl::PillarLine)).left);
      NMTTDISPINFOW ask{};
      ask.hdr = {GetParent(Control(Ctl::NicknameLabel)), reinterpret_cast<UINT_PTR>(Control(Ctl::NicknameLabel)),
                 TTN_GETDISPINFOW};
      SendMessageW(form, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ask));
      const std::wstring tip = ask.lpszText ? ask.lpszText : L"";
      if (c.shortened) {
        EXPECT_EQ(shown.back(), L'…');
        EXPECT_EQ(whole.substr(0, shown.size() - 1), shown.substr(0, shown.size() - 1));
        EXPECT_EQ(tip, whole);
      } else {
        EXPECT_EQ(shown, whole);
        EXPECT_EQ(tip, L"");
      }
      EXPECT_EQ(Form1State().record.Row(0).nickname, Gbk(c.nickname)) << "the record keeps it whole";
    }
  }
  ChangeDpi(form, dpi);
}

// Every control's rectangle in its page.
std::map<Ctl, RECT> Rects() {
  std::map<Ctl, RECT> rects;
  for (const ControlSpec& row : kControls) rects[row.id] = RectInParent(Control(row.id));
  return rects;
}

// The result labels size themselves to their texts; they stay where they start.
bool SizesToItsResult(Ctl id) {
  switch (id) {
    case Ctl::DayLabel: case Ctl::PillarLine: case Ctl::NicknameLabel: case Ctl::LibidoStars: case Ctl::DateStars:
    case Ctl::KindnessStars: case Ctl::MoneyStars: case Ctl::PersonalityMemo:
      return true;
    default:
      return false;
  }
}

// No control has moved, and none but the result labels has changed its size.
void ExpectNothingMoved(const std::map<Ctl, RECT>& before) {
  const std::map<Ctl, RECT> now = Rects();
  for (const auto& [id, r] : before) {
    SCOPED_TRACE(Utf8Of(std::wstring(SpecOf(id).name)));
    const RECT& n = now.at(id);
    EXPECT_EQ(n.left, r.left);
    EXPECT_EQ(n.top, r.top);
    if (!SizesToItsResult(id)) {
      EXPECT_EQ(n.right, r.right);
      EXPECT_EQ(n.bottom, r.bottom);
    }
  }
}

// The label after the day field keeps clear of 年龄 and of the row below.
void ExpectDayLabelFits() {
  const std::map<Ctl, RECT> now = Rects();
  const RECT& label = now.at(Ctl::DayLabel);
  EXPECT_GT(label.left, now.at(Ctl::DayField).right) << "after the day field";
  EXPECT_LT(label.right, now.at(Ctl::AgeCaption).left) << "clear of 年龄 at " << FormDpi() << " DPI";
  EXPECT_LE(label.bottom, now.at(Ctl::AgeField).bottom);
}

TEST_F(MainPageTest, TheLabelAfterTheDayFieldSaysHowTheReadingShownReadItsDate) {
  const std::map<Ctl, RECT> start = Rects();
  EXPECT_EQ(TextOf(Ctl::DayLabel), L"日(农历)");
  struct Case {
    const char* what;
    const wchar_t *year, *month, *day;
    bool byEnter;
    const wchar_t* label;
  };
  const Case kCases[] = {
      {"lunar, by Enter", L"1990", L"5", L"12", true, L"日(农历)"},
      {"solar, by the button", L"1990", L"5", L"12", false, L"日(公历)"},
      {"lunar day 31, read as solar", L"1990", L"5", L"31", true, L"日(按公历)"},
      {"day 30 of a 29-day lunar month, read as solar", L"1951", L"5", L"30", true, L"日(按公历)"},
      {"lunar again", L"1951", L"5", L"29", true, L"日(农历)"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EnterDate(c.year, c.month, c.day);
    c.byEnter ? ReadByEnterInDayField() : ClickSolarButton();
    EXPECT_EQ(TextOf(Ctl::DayLabel), c.label);
    ExpectNothingMoved(start);
    ExpectDayLabelFits();
  }
  EnterDate(L"1990", L"5", L"31");
  ClickSolarButton();
  EnterDate(L"2030", L"5", L"31");
  WithBox(ClickSolarButton);
  EXPECT_EQ(TextOf(Ctl::DayLabel), L"日(农历)") << "no reading shown: as at start";

  // The longest text on a monitor of another DPI, and back.
  EnterDate(L"1990", L"5", L"31");
  ReadByEnterInDayField();
  const UINT dpi = FormDpi(), other = dpi == 144 ? 96 : 144;
  ChangeDpi(form, other);
  EXPECT_EQ(TextOf(Ctl::DayLabel), L"日(按公历)");
  ExpectDayLabelFits();
  ChangeDpi(form, dpi);
  ExpectNothingMoved(start);
  ExpectDayLabelFits();
}

}  // namespace
}  // namespace tesserin::ui::test
