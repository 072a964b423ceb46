#include "ui/WatcherBinding_win.h"

#include "ui/ControlText_win.h"
#include "ui/FormState_win.h"
#include "ui/ReadingBinding_win.h"
#include "watcher/ProfileReader_win.h"
#include "watcher/ProfileWatcher.h"
#include "watcher/SystemClock_win.h"
#include "watcher/WindowSystem_win.h"

namespace tesserin::ui {
namespace {

// The watcher's findings in the form's controls: the nickname in the nickname label, age,
// month, day and year in their fields, the message in the personality memo; what it read goes
// into the record under the nickname.
class FormBinding : public ProfileForm {
 public:
  void ShowNickname(const GbkString& nickname) override {
    nickname_ = nickname;
    ShowProfileFound(nickname);
  }
  void ShowScan(const ScanTexts& texts) override {
    SetControlText(Ctl::AgeField, texts.age);
    SetControlText(Ctl::MonthField, texts.month);
    SetControlText(Ctl::DayField, texts.day);
  }
  void ShowBirthYear(int year) override { SetControlText(Ctl::YearField, std::to_string(year)); }
  void ShowUnreadable(const GbkString& message) override { ShowUnreadableProfile(message, nickname_); }
  bool CloseAfterReading() override { return AutoCloseChecked(); }
  void ReadAsLunarDate(const CalendarDate& date) override {
    RunAnalysis({DateField::Number(date.year), DateField::Number(date.month), DateField::Number(date.day),
                 CalendarMode::Lunar},
                nickname_);
  }

 private:
  GbkString nickname_;  // of the profile window being read, under which its reading is recorded
};

ProfileWatcher& Watcher() {
  static Win32WindowSystem windows;
  static Win32ProfileReader reader;
  static FormBinding form;
  static SystemClock clock;
  static ProfileWatcher watcher(windows, reader, form, clock);
  return watcher;
}

}  // namespace

void EndProfileReRead() { Watcher().EndReRead(); }

void WatcherTick() {
  if (!FormHandle()) return;
  Watcher().Tick();
}

}  // namespace tesserin::ui
