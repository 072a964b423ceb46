// The watch over the pointer after the close click. The click and the return travel as one
// input sequence, but the window that the click activates (a full-screen one beneath the
// profile window) may keep the pointer where the click left it; for a short while the pointer
// is put back while it is still found on the click point, and left alone once it is anywhere
// else, since then the user has moved it.
#pragma once

#include <chrono>

#include "watcher/WindowSystem.h"

namespace tesserin {

inline constexpr std::chrono::milliseconds kPointerWatchPeriod{1000};
inline constexpr std::chrono::milliseconds kPointerWatchInterval{50};

enum class PointerStep {
  PutBack,  // still on the click point: move it back and look again later
  Watch,    // where it belongs: look again later
  Stop,     // moved by the user, or the watch is over
};

PointerStep NextPointerStep(ScreenPoint now, ScreenPoint clicked, ScreenPoint back,
                            std::chrono::milliseconds sinceClick);

}  // namespace tesserin
