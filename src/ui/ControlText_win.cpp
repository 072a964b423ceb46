#include "ui/ControlText_win.h"

#include "form/Layout.h"
#include "ui/FormState_win.h"
#include "ui/Placement_win.h"
#include "ui/WindowText_win.h"

namespace tesserin::ui {

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

bool AutoCloseChecked() {
  HWND box = Control(Ctl::AutoCloseBox);
  return box && SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace tesserin::ui
