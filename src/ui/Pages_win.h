// The main form's contents: the tab control with its pages and every control, made in place
// for the monitor's DPI on WM_CREATE, and the page in front.
#pragma once

#include <windows.h>

#include "form/Layout.h"

namespace tesserin::ui {

void ShowPage(Page page);
// The page whose tab is selected.
Page ShownPage();

// FormCreate, on WM_CREATE: the controls in place, the watcher's timer, the frame and the page
// 主界面.
void FormCreate(HWND form);

}  // namespace tesserin::ui
