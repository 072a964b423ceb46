// The main form's windows, and the DPI and fonts its layout was made for. Written by the
// creation and layout code and by the window procedure; other code reads them through
// Form1_win.h.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "ui/Fonts_win.h"
#include "ui/FormLayout.h"

namespace tesserin::ui {

struct FormState {
  HWND form = nullptr;
  HWND pageControl = nullptr;
  std::array<HWND, 2> pages{};  // 主界面, 说明
  std::array<HWND, kCtlCount> controls{};
  UINT dpi = kBaseDpi;
  std::unique_ptr<FontSet> fonts;
};

// The one form of the program; empty while it does not exist.
FormState& Form1State();

}  // namespace tesserin::ui
