// The binding of the main page's state (form/MainPage.h) to the form's controls and to the
// record. Every change goes to the page's state first; then the page is drawn whole from it.
// Notices appear in a modal box, errors in the standard error box, and nothing is thrown.
// Everything here runs on the user-interface thread.
#pragma once

#include <string_view>

#include "base/Gbk.h"
#include "form/MainPage.h"
#include "form/ReadingRecord.h"
#include "reading/AnalysisInput.h"

namespace tesserin::ui {

// Writes what the main page shows into its controls: the result fields and the entry fields
// before the nickname, so that another program reading the window never finds a new nickname
// beside the last contact's reading.
void DrawMainPage();

// The user changed a field's text (typing, a paste, a cut). Returns whether the page's state
// changed: the form's own writes come back through here and change nothing.
bool EditField(Field field, std::string_view gbkText);
// A whole date put into the three date fields at once (a pasted date).
void EditDate(std::string_view year, std::string_view month, std::string_view day);

// A reading of the date fields as they are: the contact's while they hold her date as it was
// filled in, nobody's once one was edited. Does nothing while another reading is in progress.
void ReadDateFields(CalendarMode mode);

// What the watcher found of a profile window: the window (her nickname, the fields emptied),
// each field read of her, or that nothing could be read (the message, and a row in the record).
void ShowProfileFound(const GbkString& nickname);
void FillProfileField(Field field, std::string_view gbkText);
void ShowUnreadableProfile(const GbkString& message);

// A row of the record in the main page's controls again, as it was shown: the six fields, the
// age and date fields, and the nickname label (its text at start for a typed date). False for a
// row of an unreadable profile, which has no reading to show.
bool ShowRecordedRow(const RecordRow& row);

}  // namespace tesserin::ui
