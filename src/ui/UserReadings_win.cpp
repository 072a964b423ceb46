#include "ui/UserReadings_win.h"

#include "ui/ControlText_win.h"
#include "ui/FormState_win.h"
#include "ui/ReadingBinding_win.h"
#include "ui/WatcherBinding_win.h"

namespace tesserin::ui {

void FieldChanged(Field field) {
  if (!FormHandle()) return;
  if (EditField(field, ControlText(ControlOf(field)))) EndProfileReRead();
}

void DateEntered(std::string_view year, std::string_view month, std::string_view day) {
  if (!FormHandle()) return;
  EndProfileReRead();
  EditDate(year, month, day);
}

void RunTypedAnalysis(CalendarMode mode) {
  if (!FormHandle()) return;
  EndProfileReRead();
  ReadDateFields(mode);
}

void SolarButtonClick() { RunTypedAnalysis(CalendarMode::Solar); }

bool RecordRowDoubleClicked(const RecordRow& row) {
  if (!row.reading) return false;
  EndProfileReRead();
  return ShowRecordedRow(row);
}

}  // namespace tesserin::ui
