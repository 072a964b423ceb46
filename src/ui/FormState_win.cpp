#include "ui/FormState_win.h"

namespace tesserin::ui {

FormState& Form1State() {
  static FormState state;
  return state;
}

HWND FormHandle() { return Form1State().form; }
HWND Control(Ctl id) { return Form1State().controls[static_cast<int>(id)]; }
HWND TabSheet(Page page) { return Form1State().pages[static_cast<int>(page)]; }
UINT FormDpi() { return Form1State().dpi; }
HFONT FormFont(FontRole role) {
  const FormState& state = Form1State();
  return state.fonts ? state.fonts->Get(role) : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace tesserin::ui
