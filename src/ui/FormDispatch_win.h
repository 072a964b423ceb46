// The main form's window procedures: the form's own messages, and its pages', which pass their
// controls' notifications and colour requests on to the form.
#pragma once

#include <windows.h>

namespace tesserin::ui {

LRESULT CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tesserin::ui
