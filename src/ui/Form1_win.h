// The main form TForm1 as the rest of the program and its tests see it: its windows, the texts
// of its controls (code page 936, as the reading and the watcher use them), the auto-close
// option, and its handlers. Everything here runs on the user-interface thread.
#pragma once

#include <windows.h>

#include <string_view>

#include "base/Gbk.h"
#include "pillars/AnalysisRun.h"
#include "ui/FormLayout.h"

namespace tesserin::ui {

inline constexpr UINT_PTR kTimer1Id = 1;
inline constexpr UINT kTimer1Interval = 500;  // ms
inline constexpr int kFirstControlId = 1000;  // clear of IDOK/IDCANCEL, which the form ignores

// The main window, or nullptr while it does not exist.
HWND FormHandle();
HWND Control(Ctl id);
HWND PageControl1();
HWND TabSheet(Page page);
UINT FormDpi();
HFONT FormFont(FontRole role);

// The control's text; empty while the form does not exist.
GbkString ControlText(Ctl id);
// Sets the text only when it differs, and refits a label that sizes itself. Returns whether
// the text changed.
bool SetControlText(Ctl id, std::string_view gbkText);

// The six result fields as they are shown.
AnalysisDisplay ReadDisplay();

// Whether "计算后自动关闭QQ资料窗口" is ticked.
bool CheckBox1Checked();

// Runs the reading of the date in Edit4, Edit2 and Edit3 exactly as a key press or click does:
// "1" reads month and day as a lunar date (as Enter in Edit3), "0" as a solar date (Button1).
// Writes the six result fields; notices appear in a modal box, errors in the standard error
// box, and nothing is thrown. Does nothing while another reading is in progress.
void RunAnalysis(std::string_view calendarMode);

// A reading the user asked for (Enter in Edit3, Button1): it ends the watcher's re-read of an
// unreadable profile window first, which would otherwise overwrite it.
void RunTypedAnalysis(std::string_view calendarMode);
// Defined beside the watcher (Timer1Timer_win.cpp).
void EndProfileReRead();

// The form's handlers. Timer1Timer runs every 500 ms from the start (Timer1Timer_win.cpp).
void Button1Click();
void Timer1Timer();

}  // namespace tesserin::ui
