// The watcher's clock on Win32.
#include "watcher/SystemClock_win.h"

#include <windows.h>

namespace tesserin {

std::chrono::milliseconds SystemClock::Now() {
  return std::chrono::milliseconds{static_cast<long long>(GetTickCount64())};
}

LocalDate SystemClock::Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

}  // namespace tesserin
