// The main form's controls, one name each: the window code, the key rules, the profile
// watcher's view of the form and the tests all use these. No <windows.h> here.
#pragma once

namespace tesserin::ui {

// In creation order, which is also the order of the form's table of controls (form/Layout.h).
enum class Ctl {
  Label1, Edit1, Button1, Label6, Label5, Edit4, Label2, Edit2, Label3, Edit3, CheckBox1,
  Label8, Memo1, Label7, Label4, Label9, Label11, Label10, Label12, Label13, Label14,
  Label15, Label16, Label52, Label18, ListView1,
  Count
};
inline constexpr int kCtlCount = static_cast<int>(Ctl::Count);

}  // namespace tesserin::ui
