#include "ui/UserReadings_win.h"

#include "ui/FormState_win.h"
#include "ui/ReadingBinding_win.h"
#include "ui/WatcherBinding_win.h"

namespace tesserin::ui {

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
