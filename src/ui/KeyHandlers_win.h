// The key handlers of the date fields, attached to the edit controls by subclassing.
#pragma once

#include <windows.h>

#include "ui/FormLayout.h"

namespace tesserin::ui {

// Edit3 gets Edit3KeyPress; Edit4 and Edit2 get Edit4KeyPress.
void AttachKeyHandler(HWND edit, Ctl id);

// Memo1 is read-only and lets Tab and Enter go to the form's keyboard interface.
void AttachMemoKeys(HWND memo);

}  // namespace tesserin::ui
