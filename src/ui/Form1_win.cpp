// The form's fields for other code, and the binding of the reading to the form's controls.
#include "ui/Form1_win.h"

#include "pillars/AnalysisRun.h"
#include "ui/Messages_win.h"
#include "ui/TForm1_win.h"

namespace tesserin::form1 {
namespace {

using ui::Ctl;

Ctl ControlOf(Field field) {
  switch (field) {
    case Field::Edit1: return Ctl::Edit1;
    case Field::Edit2: return Ctl::Edit2;
    case Field::Edit3: return Ctl::Edit3;
    case Field::Edit4: return Ctl::Edit4;
    case Field::Label7: return Ctl::Label7;
    case Field::Memo1: return Ctl::Memo1;
  }
  return Ctl::Edit1;
}

GbkString TextOf(Ctl id) { return GbkFromWide(ui::WindowText(ui::Control(id))); }

void WriteDisplay(const AnalysisDisplay& display) {
  ui::SetControlText(Ctl::Label4, WideFromGbk(display.PillarLine));
  ui::SetControlText(Ctl::Memo1, WideFromGbk(display.PersonalityText));
  ui::SetControlText(Ctl::Label11, WideFromGbk(display.LibidoStars));
  ui::SetControlText(Ctl::Label12, WideFromGbk(display.DateStars));
  ui::SetControlText(Ctl::Label14, WideFromGbk(display.KindnessStars));
  ui::SetControlText(Ctl::Label16, WideFromGbk(display.MoneyStars));
}

}  // namespace

HWND Handle() { return ui::FormHandle(); }

// From the controls: they hold the results of the last reading, and the watcher may have
// written Memo1 since.
AnalysisDisplay ReadDisplay() {
  return {TextOf(Ctl::Label4), TextOf(Ctl::Memo1), TextOf(Ctl::Label11),
          TextOf(Ctl::Label12), TextOf(Ctl::Label14), TextOf(Ctl::Label16)};
}

GbkString Text(Field field) {
  HWND control = ui::Control(ControlOf(field));
  return control ? GbkFromWide(ui::WindowText(control)) : GbkString{};
}

void SetText(Field field, const GbkString& text) {
  ui::SetControlText(ControlOf(field), WideFromGbk(text));
}

bool CheckBox1Checked() {
  HWND box = ui::Control(Ctl::CheckBox1);
  return box && SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RunAnalysis(std::string_view calendarMode) {
  if (!Handle()) return;
  AnalysisDisplay display = ReadDisplay();
  AnalysisDetail detail;
  try {
    const AnalysisInput input{Text(Field::Edit4), Text(Field::Edit2), Text(Field::Edit3)};
    // The notice shows what the run has written so far (Memo1 already emptied) while it is open.
    AnalysisRun(calendarMode, input, display, [&display](const GbkString& text) {
      WriteDisplay(display);
      ui::ShowMessage(text);
    }, &detail);
    // Only a run that reached its end has more to show. One that ended at its notice wrote all
    // it writes before the box, and while the box was open the watcher may have written Memo1:
    // the run's own copy would erase that message. One that found another run in progress
    // wrote nothing.
    if (detail.completed) WriteDisplay(display);
  } catch (...) {
    try {
      WriteDisplay(display);  // the run emptied Memo1 before it failed
    } catch (...) {
    }
    ui::ReportCurrentException();
  }
}

}  // namespace tesserin::form1
