// The main form's windows, the DPI and fonts its layout was made for, its frame and tray icon,
// what its main page shows, the record of the readings and the reading in progress.
// Written by the creation and layout code, the window procedure and the reading's binding; read
// by everything else through the accessors below.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "form/Layout.h"
#include "form/MainPage.h"
#include "form/ReadingRecord.h"
#include "ui/Fonts_win.h"
#include "ui/Frame_win.h"
#include "ui/Tray_win.h"

namespace tesserin::ui {

struct FormState {
  HWND form = nullptr;
  HWND pageControl = nullptr;
  std::array<HWND, kPageCount> pages{};  // by Page
  std::array<HWND, kCtlCount> controls{};
  UINT dpi = kBaseDpi;
  std::unique_ptr<FontSet> fonts;
  FrameState frame;
  TrayState tray;
  // The reading the main page shows, beside whose nickname, and whose date the fields hold.
  MainPage page;
  // The readings since the program started, which the page 记录 lists.
  ReadingRecord record;
  // Set while a reading is in progress, its notice box included: the box keeps the message
  // loop running, and a tick or a key press that asks for another reading meanwhile must find
  // this one still in progress.
  bool readingBusy = false;
  // The whole nickname, which the nickname label may show shortened; its tooltip says it whole
  // while it is (nicknameTipText, else empty).
  std::wstring nickname;
  std::wstring nicknameTipText;
  HWND nicknameTip = nullptr;
};

// The one form of the program; empty while it does not exist.
FormState& Form1State();

inline constexpr wchar_t kPageClassName[] = L"TTabSheet";
// The watcher's timer (the designer's Timer1).
inline constexpr UINT_PTR kWatcherTimerId = 1;
inline constexpr UINT kWatcherTimerInterval = 500;  // ms
inline constexpr int kFirstControlId = 1000;  // clear of IDOK/IDCANCEL, which the form ignores

// The main window, or nullptr while it does not exist.
HWND FormHandle();
HWND Control(Ctl id);
HWND TabSheet(Page page);
UINT FormDpi();
HFONT FormFont(FontRole role);

}  // namespace tesserin::ui
