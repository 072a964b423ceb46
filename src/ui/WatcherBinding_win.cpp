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
  void ShowNickname(const GbkString& nickname) override { ShowProfileFound(nickname); }
  void ShowScan(const ScanTexts& texts) override {
    FillProfileField(Field::Age, texts.age);
    FillProfileField(Field::Year, "");  // none until it is inferred
    FillProfileField(Field::Month, texts.month);
    FillProfileField(Field::Day, texts.day);
  }
  void ShowBirthYear(int year) override { FillProfileField(Field::Year, std::to_string(year)); }
  void ShowUnreadable(const GbkString& message) override { ShowUnreadableProfile(message); }
  bool CloseAfterReading() override { return AutoCloseChecked(); }
  // The fields hold the date as read (ShowScan, ShowBirthYear), which the reading reads.
  void ReadAsLunarDate(const CalendarDate&) override { ReadDateFields(CalendarMode::Lunar); }
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

bool ProfileReReadPending() { return Watcher().Retrying(); }

void WatcherTick() {
  if (!FormHandle()) return;
  Watcher().Tick();
}

}  // namespace tesserin::ui
