// The key handlers of the date fields, attached to the edit controls by subclassing.
#pragma once

#include <windows.h>

#include "form/KeyRules.h"

namespace tesserin::ui {

// The field filters typed characters by its rule (form/KeyRules.h), moves the focus on and
// starts the lunar reading as the rule says.
void AttachKeyHandler(HWND edit, KeyRule rule);

// The personality memo is read-only and lets Tab and Enter go to the form's keyboard interface.
void AttachMemoKeys(HWND memo);

}  // namespace tesserin::ui
