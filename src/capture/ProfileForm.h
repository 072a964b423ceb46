// What the profile watcher needs of the main window, which shows what it read, and of the clock.
#pragma once

#include <chrono>

#include "base/Gbk.h"
#include "capture/BirthYear.h"
#include "ui/FormControls.h"

namespace tesserin {

using ui::Ctl;

class ProfileForm {
 public:
  virtual ~ProfileForm() = default;

  // The watcher writes Label7 (nickname), Edit1 to Edit4 (age, month, day, year) and Memo1.
  virtual void SetText(Ctl control, const GbkString& text) = 0;
  // CheckBox1: close the profile window after reading it.
  virtual bool CloseAfterReading() = 0;
  // AnalysisRun with "1" over the date fields; it reports invalid input and errors itself and
  // may keep a message box open meanwhile, during which timer ticks go on arriving.
  virtual void RunLunarAnalysis() = 0;
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
