// A random walk of user actions on the real main window, checked after every step against a
// model of what the user meant: dates typed fast, typed over a selection, pasted whole; Tab,
// Backspace, Enter and the solar button; an age typed; profile windows that read and that do
// not (stand-in processes, the auto-close box on and off); a double click on a record row; the
// pages switched. After every step:
// - the fields hold what the user (or the contact's profile, or the row) put there;
// - the reading shown is the reading of those fields in the mode the day label says, and only
//   after a run or a row gave it; after a refused run none is shown;
// - the nickname shows only while the fields are that contact's, and no field holds another
//   contact's value;
// - the record's newest row is the last reading;
// - no step hangs: every wait has a bound, and a message box comes exactly when the model
//   expects a refusal.
//
//   user_walk [--seed N] [--steps N]     (default: the fixed seeds below, 120 steps each);
//   `make walk SEED=N STEPS=M` runs it under Wine.
//
// A failure prints the seed and the steps up to it; `user_walk --seed N --steps M` replays them.
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "FormFixture_win.h"
#include "base/Gbk.h"
#include "e2e/Desktop_win.h"
#include "form/MainPage.h"
#include "form/ReadingRecord.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"
#include "ui/Clipboard_win.h"
#include "ui/FormState_win.h"
#include "ui/Pages_win.h"
#include "ui/WatcherBinding_win.h"
#include "watcher/ProfileWatcher.h"

namespace tesserin::ui::test {
namespace {

int gSeed = -1;  // from the command line: one walk with this seed
int gSteps = 120;

const std::wstring kUnreadable = L"抱歉：没有识别出来，或者年龄大于100岁或者小于10岁，无意义";
const wchar_t* const kNicknames[] = {L"小红", L"小明", L"阿兰", L"Ann", L"老王", L"晓燕"};

std::wstring W(int n) { return std::to_wstring(n); }

// This year minus the age, one less while the birthday is still to come.
int InferredYear(int age, int month, int day) {
  SYSTEMTIME today;
  GetLocalTime(&today);
  const bool toCome = today.wMonth < month || (today.wMonth == month && today.wDay < day);
  return today.wYear - age - (toCome ? 1 : 0);
}

// What the user means the page to show.
struct Model {
  std::array<std::wstring, kFieldCount> fields;  // by Field
  std::optional<std::wstring> owner;             // the contact whose date the fields hold
  bool ageIsHers = false;
  std::optional<Reading> shown;
  bool message = false;  // the unreadable profile's message in place of a reading
  std::size_t rows = 0;  // in the record
  std::optional<Reading> newest;  // the newest row's reading (none: an unreadable profile's)
  bool autoClose = false;
};

class UserWalk : public FormTest {
 protected:
  void TearDown() override {
    standIn_.reset();
    FormTest::TearDown();
  }

  static int SeedGiven() { return gSeed; }

  void Walk(unsigned seed, int steps) {
    rng_.seed(seed);
    for (int i = 0; i < steps && !HasFailure(); ++i) {
      Step();
      Check();
      if (HasFailure()) {
        std::ostringstream replay;
        replay << "seed " << seed << ", step " << i + 1 << "; replay with user_walk --seed " << seed << " --steps "
               << i + 1 << "\n";
        for (std::size_t n = 0; n < log_.size(); ++n) replay << "  " << n + 1 << ". " << log_[n] << "\n";
        ADD_FAILURE() << replay.str();
      }
    }
  }

 private:
  int Pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(rng_); }
  bool Chance(int percent) { return Pick(1, 100) <= percent; }
  void Log(const std::string& what) { log_.push_back(what); }

  void Step() {
    switch (Pick(0, 15)) {
      case 0: case 1: case 2: TypeDate(); break;
      case 3: case 4: RunByEnter(); break;
      case 5: RunByButton(); break;
      case 6: PasteDate(); break;
      case 7: PasteOther(); break;
      case 8: BackspaceInField(); break;
      case 9: PressKey(VK_TAB), Log("Tab"); break;
      case 10: TypeAge(); break;
      case 11: ProfileWindow(true); break;
      case 12: ProfileWindow(false); break;
      case 13: DoubleClickRow(); break;
      case 14: SwitchPage(); break;
      case 15: ToggleAutoClose(); break;
    }
  }

  // --- the model's rules: what a change of the fields does ---

  // Typed key by key over the selected field: each key makes a text of its own.
  void UserTypes(Field field, const std::wstring& text) {
    for (std::size_t n = 1; n <= text.size(); ++n) UserSets(field, text.substr(0, n));
  }

  void UserSets(Field field, const std::wstring& text) {
    std::wstring& held = model_.fields[static_cast<int>(field)];
    if (held == text) return;
    held = text;
    if (field == Field::Age) {
      model_.ageIsHers = false;
      return;
    }
    model_.shown.reset();
    model_.message = false;
    if (model_.owner && model_.ageIsHers) model_.fields[static_cast<int>(Field::Age)].clear();
    model_.owner.reset();
  }

  // A date the user might mean: mostly one the reading takes, now and then one it refuses.
  std::array<int, 3> SomeDate() {
    if (Chance(15)) return {Pick(1940, 2035), Pick(1, 13), Pick(1, 32)};
    return {Pick(1950, 2025), Pick(1, 12), Pick(1, 31)};
  }

  void ShowMainPage() {
    if (ShownPage() == Page::Main) return;
    ShowPage(Page::Main);
    Pump();
  }

  // Selects the whole text of a field, as a double click or the focus arriving by Tab does.
  void SelectAll(Ctl id) {
    FocusOn(id);
    SendMessageW(Control(id), EM_SETSEL, 0, -1);
  }

  // --- the actions ---

  // Typed fast over what the fields hold: each field's text selected and typed over, the key
  // rules moving the focus on; a month of 1 followed by Tab, since 1 waits for a second digit.
  void TypeDate() {
    ShowMainPage();
    const auto [year, month, day] = SomeDate();
    std::wstring keys = W(year) + W(month);
    if (month == 1) keys += L"\t";
    keys += W(day);
    Log("type " + Utf8Of(W(year) + L"/" + W(month) + L"/" + W(day)) + " over the selected fields");
    SelectAll(Ctl::YearField);  // the month and day are selected as the focus reaches them
    Type(keys);
    UserTypes(Field::Year, W(year));
    UserTypes(Field::Month, W(month));
    UserTypes(Field::Day, W(day));
    EXPECT_EQ(Focused(), Ctl::DayField) << "the day's digits went into the day field";
  }

  // The outcome the user expects of a reading of the fields as they stand.
  AnalysisOutcome Expected(CalendarMode mode) const {
    const auto text = [&](Field f) { return Utf8(GbkFromWide(model_.fields[static_cast<int>(f)])); };
    return AnalysisRun(InputOfTexts(text(Field::Year), text(Field::Month), text(Field::Day), mode));
  }

  void Ran(const AnalysisOutcome& outcome) {
    model_.message = false;
    if (const Reading* reading = std::get_if<Reading>(&outcome)) {
      model_.shown = *reading;
      model_.newest = *reading;
      ++model_.rows;
    } else {
      model_.shown.reset();
    }
  }

  void Run(CalendarMode mode, void (*trigger)(), const char* what) {
    ShowMainPage();
    const AnalysisOutcome outcome = Expected(mode);
    const bool refused = std::holds_alternative<Refusal>(outcome);
    Log(std::string(what) + (refused ? " (refused)" : ""));
    if (refused)
      WithBox(trigger);
    else
      trigger();
    Ran(outcome);
  }
  void RunByEnter() { Run(CalendarMode::Lunar, ReadByEnterInDayField, "Enter in the day field"); }
  void RunByButton() { Run(CalendarMode::Solar, ClickSolarButton, "the solar button"); }

  void PasteDate() {
    ShowMainPage();
    const auto [year, month, day] = SomeDate();
    wchar_t text[40];
    switch (Pick(0, 4)) {
      case 0: swprintf(text, 40, L"%d-%02d-%02d", year, month, day); break;
      case 1: swprintf(text, 40, L"%d/%d/%d", year, month, day); break;
      case 2: swprintf(text, 40, L"%d.%d.%d", year, month, day); break;
      case 3: swprintf(text, 40, L"%d年%d月%d日", year, month, day); break;
      default: swprintf(text, 40, L"%04d%02d%02d", year, month, day); break;
    }
    const Ctl into = std::array{Ctl::YearField, Ctl::MonthField, Ctl::DayField}[Pick(0, 2)];
    Log("paste " + Utf8Of(text) + " into " + Utf8Of(std::wstring(SpecOf(into).name)));
    ASSERT_TRUE(PutClipboardText(form, text));
    SelectAll(into);
    PressWithCtrl('V');
    UserSets(Field::Year, W(year));
    UserSets(Field::Month, W(month));
    UserSets(Field::Day, W(day));
    EXPECT_EQ(Focused(), Ctl::DayField) << "a whole date pasted: the focus in the day field";
  }

  // A text that is no date, pasted over a selected field: the field's own, as typed.
  void PasteOther() {
    ShowMainPage();
    const wchar_t* text = std::array{L"abc", L"5月", L"12 3", L"1990-5"}[Pick(0, 3)];
    const Field field = std::array{Field::Year, Field::Month, Field::Day}[Pick(0, 2)];
    Log("paste " + Utf8Of(text) + " over the " + Utf8Of(std::wstring(SpecOf(ControlOf(field)).name)));
    ASSERT_TRUE(PutClipboardText(form, text));
    SelectAll(ControlOf(field));
    PressWithCtrl('V');
    UserSets(field, text);
  }

  void BackspaceInField() {
    ShowMainPage();
    const Field field = std::array{Field::Year, Field::Month, Field::Day}[Pick(0, 2)];
    std::wstring text = model_.fields[static_cast<int>(field)];
    Log("Backspace at the end of the " + Utf8Of(std::wstring(SpecOf(ControlOf(field)).name)));
    FocusOn(ControlOf(field));
    SendMessageW(Control(ControlOf(field)), EM_SETSEL, 0x7FFF, 0x7FFF);
    Type(L"\b");
    // The rules refuse every key while the text leads with 0; such a text is never typed.
    if (!text.empty() && text.front() != L'0') text.pop_back();
    UserSets(field, text);
  }

  void TypeAge() {
    ShowMainPage();
    const std::wstring age = W(Pick(10, 99));
    Log("type the age " + Utf8Of(age));
    SelectAll(Ctl::AgeField);
    Type(age);
    UserTypes(Field::Age, age);
  }

  // A profile window of a new contact: one that reads (her age and birthday in the block), or
  // one whose block stays blank. The walk waits for the watcher to record it.
  void ProfileWindow(bool readable) {
    standIn_.reset();  // the last one goes first, as the user closes it
    const std::wstring nickname = kNicknames[Pick(0, static_cast<int>(std::size(kNicknames)) - 1)];
    const int age = Pick(10, 70), month = Pick(1, 12), day = Pick(1, 28);
    std::wstring arguments = L"--nickname " + nickname + L" --at 20,40 --age " + W(age) + L" --month " + W(month) +
                             L" --day " + W(day);
    if (!readable) arguments += L" --blank";
    Log("profile window of " + Utf8Of(nickname) +
        (readable ? ", age " + std::to_string(age) + ", " + std::to_string(month) + "/" + std::to_string(day)
                  : ", unreadable") + (model_.autoClose ? ", closed after reading" : ""));
    standIn_ = std::make_unique<e2e::Process>(TESSERIN_STANDIN_EXE, arguments);
    ASSERT_TRUE(standIn_->Started());
    const std::size_t rows = Form1State().record.Size();
    ASSERT_TRUE(e2e::WaitFor([&] {
      Pump();
      return Form1State().record.Size() > rows && !ProfileReReadPending();
    }, 10000)) << "the watcher records the profile";
    Pump();

    model_.fields = {};
    model_.owner = nickname;
    model_.ageIsHers = true;
    model_.shown.reset();
    model_.message = !readable;
    if (readable) {
      model_.fields = {W(age), W(InferredYear(age, month, day)), W(month), W(day)};
      Ran(Expected(CalendarMode::Lunar));
    } else {
      ++model_.rows;
      model_.newest.reset();
    }
    if (model_.autoClose) {
      EXPECT_TRUE(e2e::WaitFor([&] {
        Pump();
        return !standIn_->Running();
      }, 5000)) << "closed by its close button";
    }
  }

  void DoubleClickRow() {
    const ReadingRecord& record = Form1State().record;
    if (record.Size() == 0) return;
    const int row = Pick(0, static_cast<int>(std::min<std::size_t>(record.Size(), 8)) - 1);
    Log("double click on row " + std::to_string(row + 1) + " of the record");
    ShowPage(Page::Record);
    Pump();
    HWND list = Control(Ctl::RecordList);
    ListView_EnsureVisible(list, row, FALSE);
    Pump();
    RECT r{};
    ListView_GetItemRect(list, row, &r, LVIR_BOUNDS);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
    const POINT at{r.left + 20, (r.top + r.bottom) / 2};
    const RecordRow& shown = record.Row(static_cast<std::size_t>(row));
    const bool hasReading = shown.reading.has_value();
    MouseAt(at);
    MouseAt(at);
    ASSERT_TRUE(PumpUntil([&] { return !hasReading || ShownPage() == Page::Main; })) << "the row shows";
    Pump();
    if (!hasReading) return;
    const CalendarDate& date = shown.reading->entered;
    model_.fields = {WideFromGbk(shown.age), W(date.year), W(date.month), W(date.day)};
    model_.owner.reset();
    if (shown.nickname) model_.owner = WideFromGbk(*shown.nickname);
    model_.ageIsHers = true;
    model_.shown = shown.reading;
    model_.message = false;
  }

  void SwitchPage() {
    const Page page = std::array{Page::Main, Page::Help, Page::Record}[Pick(0, 2)];
    Log("show the page " + Utf8Of(std::wstring(kPageCaptions[static_cast<int>(page)])));
    ShowPage(page);
    Pump();
  }

  void ToggleAutoClose() {
    Log(model_.autoClose ? "untick auto-close" : "tick auto-close");
    SendMessageW(Control(Ctl::AutoCloseBox), BM_CLICK, 0, 0);
    Pump();
    model_.autoClose = !model_.autoClose;
  }

  // --- the checks after every step ---

  void Check() {
    Pump();
    for (int i = 0; i < kFieldCount; ++i)
      EXPECT_EQ(TextOf(ControlOf(static_cast<Field>(i))), model_.fields[i]) << "field " << i << ", as the user meant";
    EXPECT_EQ(TextOf(Ctl::NicknameLabel), model_.owner.value_or(L"QQ"));
    AnalysisDisplay expected = AnalysisDisplay::Initial();
    if (model_.shown) {
      expected = FieldsOf(*model_.shown);
      const CalendarDate& date = model_.shown->entered;
      EXPECT_EQ(model_.fields[1] + L"-" + model_.fields[2] + L"-" + model_.fields[3],
                W(date.year) + L"-" + W(date.month) + L"-" + W(date.day))
          << "a reading shows only beside its own date";
      const bool solarLabel = TextOf(Ctl::DayLabel) == L"日(公历)";
      EXPECT_EQ(solarLabel, !model_.shown->lunarAsked) << "the label says the reading's mode";
    } else {
      expected.PersonalityText = model_.message ? GbkFromWide(kUnreadable) : GbkString{};
      EXPECT_EQ(TextOf(Ctl::DayLabel), L"日(农历)");
    }
    EXPECT_EQ(GbkFromWide(TextOf(Ctl::PillarLine)), expected.PillarLine);
    EXPECT_EQ(GbkFromWide(TextOf(Ctl::PersonalityMemo)), expected.PersonalityText);
    EXPECT_EQ(GbkFromWide(TextOf(Ctl::LibidoStars) + TextOf(Ctl::DateStars) + TextOf(Ctl::KindnessStars) +
                          TextOf(Ctl::MoneyStars)),
              expected.LibidoStars + expected.DateStars + expected.KindnessStars + expected.MoneyStars);
    const ReadingRecord& record = Form1State().record;
    EXPECT_EQ(record.Size(), model_.rows);
    if (record.Size() > 0) {
      EXPECT_EQ(record.Row(0).reading, model_.newest) << "the newest row is the last reading";
    }
    EXPECT_TRUE(OpenBoxes().empty()) << "no box left open";
  }

  std::mt19937 rng_;
  Model model_;
  std::vector<std::string> log_;
  std::unique_ptr<e2e::Process> standIn_;
};

// A few hundred steps with fixed seeds; `--seed N` walks that seed alone.
TEST_F(UserWalk, Seed1) {
  if (SeedGiven() >= 0) GTEST_SKIP();
  Walk(1, gSteps);
}
TEST_F(UserWalk, Seed2) {
  if (SeedGiven() >= 0) GTEST_SKIP();
  Walk(2, gSteps);
}
TEST_F(UserWalk, Seed3) {
  if (SeedGiven() >= 0) GTEST_SKIP();
  Walk(3, gSteps);
}
TEST_F(UserWalk, SeedFromTheCommandLine) {
  if (SeedGiven() < 0) GTEST_SKIP() << "user_walk --seed N [--steps N]";
  Walk(static_cast<unsigned>(SeedGiven()), gSteps);
}

}  // namespace
}  // namespace tesserin::ui::test

int wmain(int argc, wchar_t** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::wstring(argv[i]) == L"--seed") tesserin::ui::test::gSeed = _wtoi(argv[i + 1]);
    if (std::wstring(argv[i]) == L"--steps") tesserin::ui::test::gSteps = _wtoi(argv[i + 1]);
  }
  return RUN_ALL_TESTS();
}
