// The readings the user asks for: Enter in the day field (lunar), the solar button, a double
// click on a row of the record. Each ends the watcher's re-read of an unreadable profile window
// first, which would otherwise write over it.
#pragma once

#include <string_view>

#include "form/MainPage.h"
#include "form/ReadingRecord.h"
#include "reading/AnalysisInput.h"

namespace tesserin::ui {

// The user changed a field's text: the page's state follows, and a pending re-read of a profile
// window ends, which would otherwise write over what the user typed.
void FieldChanged(Field field);
// A whole date put into the three date fields at once (a pasted date).
void DateEntered(std::string_view year, std::string_view month, std::string_view day);

// A reading of the date fields as they are (ReadDateFields).
void RunTypedAnalysis(CalendarMode mode);

// The solar button "按阳历再计算一次" (the designer's Button1Click): the solar reading of the
// date fields.
void SolarButtonClick();

// The row's reading on the main page again (ShowRecordedRow); false for a row of an unreadable
// profile.
bool RecordRowDoubleClicked(const RecordRow& row);

}  // namespace tesserin::ui
