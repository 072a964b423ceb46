#include "watcher/PointerReturn.h"

namespace tesserin {

PointerStep NextPointerStep(ScreenPoint now, ScreenPoint clicked, ScreenPoint back,
                            std::chrono::milliseconds sinceClick) {
  if (sinceClick >= kPointerWatchPeriod) return PointerStep::Stop;
  if (now == clicked) return PointerStep::PutBack;
  if (now == back) return PointerStep::Watch;
  return PointerStep::Stop;
}

}  // namespace tesserin
