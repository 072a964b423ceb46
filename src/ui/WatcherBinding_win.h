// The profile watcher bound to the form: it runs on the form's timer (the designer's Timer1)
// over the Win32 window system, the capture and the system clock, and shows what it reads
// through the reading's binding (ReadingBinding_win.h).
#pragma once

namespace tesserin::ui {

// The timer's tick, every 500 ms from the form's creation on (the designer's Timer1Timer).
void WatcherTick();

// Ends the watcher's re-read of a profile window that could not be read, which would otherwise
// write over a reading the user asked for meanwhile.
void EndProfileReRead();
// Whether the last profile window found is waiting to be read again.
bool ProfileReReadPending();

}  // namespace tesserin::ui
