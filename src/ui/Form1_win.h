// ui/: the main window on Win32 (the form, its frame, tray, copy and message boxes, the binding
// of the reading and the watcher to its controls) and its portable rules (layout, keys).
//
// The main form TForm1 as the rest of the program and its tests see it: its windows, the texts
// of its controls (code page 936, as the reading and the watcher use them), the auto-close
// option, and its handlers. Everything here runs on the user-interface thread.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "base/Gbk.h"
#include "reading/AnalysisRun.h"
#include "ui/FormLayout.h"
#include "ui/FormState_win.h"
#include "ui/ReadingRecord.h"

namespace tesserin::ui {

// The control's text; empty while the form does not exist.
GbkString ControlText(Ctl id);
// Sets the text only when it differs, and refits a label that sizes itself. Returns whether
// the text changed.
bool SetControlText(Ctl id, std::string_view gbkText);

// The reading whose six result fields the form shows: none before the first reading, and none
// once a refusal or the watcher's message has taken its personality text's place.
const std::optional<Reading>& ShownReading();

// A message in Memo1 in place of the personality text (the watcher's for an unreadable
// profile); the rest of the last reading stays.
void ShowInMemo1(std::string_view gbkText);

// Whether "计算后自动关闭QQ资料窗口" is ticked.
bool CheckBox1Checked();

// Set while a reading is in progress, its notice box included.
extern bool AnalysisBusy;

// Runs the reading of a date: writes the six result fields and adds the reading to the record
// under the profile's nickname (none for a date the user typed); notices appear in a modal
// box, errors in the standard error box, and nothing is thrown. Does nothing while another
// reading is in progress.
void RunAnalysis(const AnalysisInput& input, const std::optional<GbkString>& nickname);

// The date in Edit4, Edit2 and Edit3, each field's text read as a whole number where it is one.
AnalysisInput InputOfFields(CalendarMode mode);

// A reading the user asked for, of the date in Edit4, Edit2 and Edit3: as a lunar date (Enter
// in Edit3) or a solar one (Button1). It ends the watcher's re-read of an unreadable profile
// window first, which would otherwise overwrite it.
void RunTypedAnalysis(CalendarMode mode);

// A profile that could not be read: the message in Memo1, and a row in the record.
void ShowUnreadableProfile(const GbkString& message, const GbkString& nickname);

// A row of the record in the main page's controls again, as it was shown: the six fields, the
// age and date fields, and the nickname in Label7 (its text at start for a typed date). False
// for a row of an unreadable profile, which has no reading to show.
bool ShowRecordedRow(const RecordRow& row);
// Defined beside the watcher (Timer1Timer_win.cpp).
void EndProfileReRead();

// The form's handlers. Timer1Timer runs every 500 ms from the start (Timer1Timer_win.cpp).
void Button1Click();
void Timer1Timer();

}  // namespace tesserin::ui
