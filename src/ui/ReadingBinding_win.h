// ui/: the main window on Win32 (the form, its frame, tray, copy and message boxes, the binding
// of the reading and the watcher to its controls); its portable rules are in form/.
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
#include "form/Layout.h"
#include "ui/FormState_win.h"
#include "form/ReadingRecord.h"

namespace tesserin::ui {

// The control's text; empty while the form does not exist.
GbkString ControlText(Ctl id);
// Sets the text only when it differs, and refits a label that sizes itself. Returns whether
// the text changed.
bool SetControlText(Ctl id, std::string_view gbkText);

// Whether "计算后自动关闭QQ资料窗口" is ticked.
bool CheckBox1Checked();

// Set while a reading is in progress, its notice box included.
extern bool AnalysisBusy;

// Runs the reading of a date that the watcher filled into the date fields for the contact
// `nickname` (none: a date typed by hand): the reading shows beside that nickname and goes into
// the record under it. Writes the main page's result fields; notices appear in a modal box,
// errors in the standard error box, and nothing is thrown. Does nothing while another reading
// is in progress.
void RunAnalysis(const AnalysisInput& input, const std::optional<GbkString>& nickname);

// The date in Edit4, Edit2 and Edit3, each field's text read as a whole number where it is one.
AnalysisInput InputOfFields(CalendarMode mode);

// A reading the user asked for (Enter in Edit3: lunar, Button1: solar) of the date fields as
// they are: the contact's while they hold her date as it was filled in, nobody's once one was
// edited. It ends the watcher's re-read of an unreadable profile window first, which would
// otherwise overwrite it.
void RunTypedAnalysis(CalendarMode mode);

// The watcher found a new profile window: its nickname in Label7, and no reading until its own.
void ShowProfileFound(const GbkString& nickname);

// A profile that could not be read: the nickname, the message in Memo1 and no reading; a row in
// the record.
void ShowUnreadableProfile(const GbkString& message, const GbkString& nickname);

// A date field's text changed: by hand, or as the watcher or a record row fills it in. Until
// the date is filled in again it belongs to no contact.
void DateFieldChanged();

// A row of the record in the main page's controls again, as it was shown: the six fields, the
// age and date fields, and the nickname in Label7 (its text at start for a typed date). The
// date fields are then that contact's again, as the watcher filled them in. False for a row of
// an unreadable profile, which has no reading to show.
bool ShowRecordedRow(const RecordRow& row);
// Defined beside the watcher (WatcherBinding_win.cpp).
void EndProfileReRead();

// The form's handlers. Timer1Timer runs every 500 ms from the start (WatcherBinding_win.cpp).
void Button1Click();
void Timer1Timer();

}  // namespace tesserin::ui
