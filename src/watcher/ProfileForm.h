// What the profile watcher needs of the main window, which shows what it read, and of the clock.
#pragma once

#include <chrono>

#include "base/Gbk.h"
#include "calendar/CalendarDate.h"
#include "watcher/BirthYear.h"
#include "capture/GlyphScanner.h"

namespace tesserin {

// What the watcher tells the main window, by what it means; the window decides where it shows.
class ProfileForm {
 public:
  virtual ~ProfileForm() = default;

  // The contact's nickname: a profile window is being read.
  virtual void ShowNickname(const GbkString& nickname) = 0;
  // What the scan read: age, month and day, each "" when not recognised.
  virtual void ShowScan(const ScanTexts& texts) = 0;
  // The birth year inferred from the age and birthday.
  virtual void ShowBirthYear(int year) = 0;
  // The profile could not be read: the message in place of the personality text.
  virtual void ShowUnreadable(const GbkString& message) = 0;
  // Whether the user asked for the profile window to be closed after reading it.
  virtual bool CloseAfterReading() = 0;
  // The lunar reading of the date read, as shown; it reports invalid input and errors itself
  // and may keep a message box open meanwhile, during which timer ticks go on arriving.
  virtual void ReadAsLunarDate(const CalendarDate& date) = 0;
};

class WatcherClock {
 public:
  virtual ~WatcherClock() = default;
  // A monotonic time, for the retry period.
  virtual std::chrono::milliseconds Now() = 0;
  // Today's local date, read afresh each time.
  virtual LocalDate Today() = 0;
};

}  // namespace tesserin
