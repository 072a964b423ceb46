// Timer1's tick, every 500 ms while the form exists: the profile watcher, bound to the form's
// fields, the Win32 window system and the system clock.
#include "capture/ProfileCapture_win.h"
#include "capture/ProfileWatcher.h"
#include "capture/SystemClock_win.h"
#include "capture/WindowSystem_win.h"
#include "ui/Form1_win.h"

namespace tesserin::form1 {
namespace {

class Form1Binding : public ProfileForm {
 public:
  void SetText(FormText control, const GbkString& text) override {
    form1::SetText(FieldOf(control), text);
  }
  bool CloseAfterReading() override { return CheckBox1Checked(); }
  void RunLunarAnalysis() override { RunAnalysis("1"); }
  ScanTexts CaptureAndScan(WindowHandle profileWindow) override {
    ProfileCapture(ToHwnd(profileWindow));
    return pscreen();
  }

 private:
  static Field FieldOf(FormText control) {
    switch (control) {
      case FormText::Label7: return Field::Label7;
      case FormText::Edit1: return Field::Edit1;
      case FormText::Edit2: return Field::Edit2;
      case FormText::Edit3: return Field::Edit3;
      case FormText::Edit4: return Field::Edit4;
      case FormText::Memo1: return Field::Memo1;
    }
    return Field::Memo1;
  }
};

ProfileWatcher& Watcher() {
  static Win32WindowSystem windows;
  static Form1Binding form;
  static SystemClock clock;
  static ProfileWatcher watcher(windows, form, clock);
  return watcher;
}

}  // namespace

void Timer1Timer() {
  if (!Handle()) return;
  Watcher().Tick();
}

}  // namespace tesserin::form1
