// The form's controls as the reading's and the watcher's bindings use them: their texts in code
// page 936, and whether the auto-close box is ticked.
#pragma once

#include <string_view>

#include "base/Gbk.h"
#include "form/Controls.h"

namespace tesserin::ui {

// The control's text; empty while the form does not exist.
GbkString ControlText(Ctl id);
// Sets the text only when it differs, and refits a label that sizes itself. Returns whether
// the text changed.
bool SetControlText(Ctl id, std::string_view gbkText);

// Whether the auto-close box (CheckBox1) "计算后自动关闭QQ资料窗口" is ticked.
bool AutoCloseChecked();

}  // namespace tesserin::ui
