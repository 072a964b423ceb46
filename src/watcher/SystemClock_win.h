// The watcher's clock on Win32: the tick count and the local date.
#pragma once

#include "watcher/ProfileForm.h"

namespace tesserin {

class SystemClock : public WatcherClock {
 public:
  std::chrono::milliseconds Now() override;
  LocalDate Today() override;
};

}  // namespace tesserin
