// How other code reaches the main form: its handle, the texts of the fields the profile
// watcher reads and writes (in code page 936), the auto-close option, and the reading that
// Enter in the day field starts. Everything here runs on the user-interface thread.
#pragma once

#include <windows.h>

#include <string_view>

#include "base/Gbk.h"
#include "pillars/AnalysisRun.h"

namespace tesserin::form1 {

// The main window, or nullptr while it does not exist.
HWND Handle();

enum class Field {
  Edit1,   // age
  Edit2,   // birth month
  Edit3,   // birth day
  Edit4,   // birth year
  Label7,  // the contact's nickname
  Memo1,   // personality text and the watcher's messages
};

// The field's text; empty while the form does not exist.
GbkString Text(Field field);
// Sets the field's text (only when it differs); Label7 resizes to its text.
void SetText(Field field, const GbkString& text);

// The six result fields as they are shown.
AnalysisDisplay ReadDisplay();

// Whether "计算后自动关闭QQ资料窗口" is ticked.
bool CheckBox1Checked();

// Runs the reading of the date in Edit4, Edit2 and Edit3 exactly as a key press or click does:
// "1" reads month and day as a lunar date (as Enter in Edit3), "0" as a solar date (Button1).
// Writes the six result fields; notices appear in a modal box, errors in the standard error
// box, and nothing is thrown. Does nothing while another reading is in progress.
void RunAnalysis(std::string_view calendarMode);

// Timer1's handler, called every 500 ms from the start (defined in Timer1Timer_win.cpp).
void Timer1Timer();

}  // namespace tesserin::form1
