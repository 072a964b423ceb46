// Timer1's tick, every 500 ms while the form exists: the profile watcher over the Win32 window
// system, the capture and the system clock, showing what it reads in the form's controls.
#include "capture/ProfileCapture_win.h"
#include "capture/ProfileWatcher.h"
#include "capture/SystemClock_win.h"
#include "capture/WindowSystem_win.h"
#include "ui/Form1_win.h"

namespace tesserin::ui {
namespace {

class Form1Binding : public ProfileForm {
 public:
  void SetText(Ctl control, const GbkString& text) override { SetControlText(control, text); }
  bool CloseAfterReading() override { return CheckBox1Checked(); }
  void RunLunarAnalysis() override { RunAnalysis("1"); }
};

ProfileWatcher& Watcher() {
  static Win32WindowSystem windows;
  static Win32ProfileReader reader;
  static Form1Binding form;
  static SystemClock clock;
  static ProfileWatcher watcher(windows, reader, form, clock);
  return watcher;
}

}  // namespace

void EndProfileReRead() { Watcher().EndReRead(); }

void Timer1Timer() {
  if (!FormHandle()) return;
  Watcher().Tick();
}

}  // namespace tesserin::ui
