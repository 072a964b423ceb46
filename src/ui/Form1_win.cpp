// The form's state and controls for other code, and the binding of the reading to the form's
// controls.
#include "ui/Form1_win.h"

#include "pillars/AnalysisRun.h"
#include "ui/FormCreation_win.h"
#include "ui/FormState_win.h"
#include "ui/MessageBoxes_win.h"
#include "ui/WindowText_win.h"

namespace tesserin::ui {
namespace {

void WriteDisplay(const AnalysisDisplay& display) {
  SetControlText(Ctl::Label4, display.PillarLine);
  SetControlText(Ctl::Memo1, display.PersonalityText);
  SetControlText(Ctl::Label11, display.LibidoStars);
  SetControlText(Ctl::Label12, display.DateStars);
  SetControlText(Ctl::Label14, display.KindnessStars);
  SetControlText(Ctl::Label16, display.MoneyStars);
}

}  // namespace

FormState& Form1State() {
  static FormState state;
  return state;
}

HWND FormHandle() { return Form1State().form; }
HWND Control(Ctl id) { return Form1State().controls[static_cast<int>(id)]; }
HWND PageControl1() { return Form1State().pageControl; }
HWND TabSheet(Page page) { return Form1State().pages[page == Page::Main ? 0 : 1]; }
UINT FormDpi() { return Form1State().dpi; }
HFONT FormFont(FontRole role) {
  const FormState& state = Form1State();
  return state.fonts ? state.fonts->Get(role) : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

GbkString ControlText(Ctl id) {
  HWND control = Control(id);
  return control ? GbkFromWide(WindowText(control)) : GbkString{};
}

bool SetControlText(Ctl id, std::string_view gbkText) {
  if (!ReplaceWindowText(Control(id), WideFromGbk(gbkText))) return false;
  // A label sizes itself to its text; the memo shows its scroll bar for a longer one.
  if (SpecOf(id).kind == Kind::Label || SpecOf(id).kind == Kind::Memo) PlaceControl(id);
  return true;
}

// From the controls: they hold the results of the last reading, and the watcher may have
// written Memo1 since.
AnalysisDisplay ReadDisplay() {
  return {ControlText(Ctl::Label4), ControlText(Ctl::Memo1), ControlText(Ctl::Label11),
          ControlText(Ctl::Label12), ControlText(Ctl::Label14), ControlText(Ctl::Label16)};
}

bool CheckBox1Checked() {
  HWND box = Control(Ctl::CheckBox1);
  return box && SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RunAnalysis(std::string_view calendarMode) {
  if (!FormHandle()) return;
  AnalysisDisplay display = ReadDisplay();
  AnalysisDetail detail;
  try {
    const AnalysisInput input{ControlText(Ctl::Edit4), ControlText(Ctl::Edit2), ControlText(Ctl::Edit3)};
    // The notice shows what the run has written so far (Memo1 already emptied) while it is open.
    AnalysisRun(calendarMode, input, display, [&display](const GbkString& text) {
      WriteDisplay(display);
      ShowMessage(FormHandle(), text);
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
    ReportCurrentException(FormHandle());
  }
}

void RunTypedAnalysis(std::string_view calendarMode) {
  EndProfileReRead();
  RunAnalysis(calendarMode);
}

void Button1Click() { RunTypedAnalysis("0"); }

}  // namespace tesserin::ui
