// The binding of the reading and of what the main page shows (form/MainPage.h) to the form's
// controls and to the record: the reading of a date the watcher filled in or the user typed, a
// profile found or unreadable, a row of the record shown again. Notices appear in a modal box,
// errors in the standard error box, and nothing is thrown. Everything here runs on the
// user-interface thread.
#pragma once

#include <optional>

#include "base/Gbk.h"
#include "form/ReadingRecord.h"
#include "reading/AnalysisInput.h"

namespace tesserin::ui {

// Runs the reading of a date that the watcher filled into the date fields for the contact
// `nickname` (none: a date typed by hand): the reading shows beside that nickname and goes into
// the record under it. Writes the main page's result fields. Does nothing while another reading
// is in progress.
void RunAnalysis(const AnalysisInput& input, const std::optional<GbkString>& nickname);

// The date in the year, month and day fields, each field's text read as a whole number where it
// is one.
AnalysisInput InputOfFields(CalendarMode mode);

// A reading of the date fields as they are: the contact's while they hold her date as it was
// filled in, nobody's once one was edited.
void ReadDateFields(CalendarMode mode);

// The watcher found a new profile window: its nickname in the nickname label, and no reading
// until its own.
void ShowProfileFound(const GbkString& nickname);

// A profile that could not be read: the nickname, the message in the personality memo and no
// reading; a row in the record.
void ShowUnreadableProfile(const GbkString& message, const GbkString& nickname);

// A date field's text changed: by hand, or as the watcher or a record row fills it in. Until
// the date is filled in again it belongs to no contact.
void DateFieldChanged();

// A row of the record in the main page's controls again, as it was shown: the six fields, the
// age and date fields, and the nickname label (its text at start for a typed date). The
// date fields are then that contact's again, as the watcher filled them in. False for a row of
// an unreadable profile, which has no reading to show.
bool ShowRecordedRow(const RecordRow& row);

}  // namespace tesserin::ui
