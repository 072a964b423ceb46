// watcher/: the decisions of the timer's tick (this file), the window-system interface and its
// Win32 side, profile titles, birth years, the block's visibility and the pointer's return.
//
// The profile window watcher, run on every tick of the main window's 500 ms timer: finds the
// topmost messenger profile window it has not handled yet, reads age and birthday from its
// pixels, infers the birth year, runs the lunar analysis and, if asked, closes the window by a
// click on its close button.
#pragma once

#include <chrono>
#include <optional>

#include "capture/GlyphScanner.h"
#include "watcher/ProfileForm.h"
#include "watcher/ProfileReader.h"
#include "watcher/WindowSystem.h"

namespace tesserin {

// The message for a profile that could not be read.
const GbkString& UnreadableProfileMessage();

struct WatcherState {
  // Set while a tick is handled. The analysis may show a modal box whose message loop delivers
  // further ticks inside the running one; they must return at once.
  bool WatcherBusy = false;
  // The profile window handled most recently; never cleared, so a window that stays open is
  // handled once.
  WindowHandle LastProfileWindow = kNoWindow;
};

class ProfileWatcher {
 public:
  // A window that is found before its first paint has reached the screen reads as blank, and one
  // whose block is covered or off the screen, or that could not be copied, is not read; it is
  // read again on later ticks for this long after it was first found.
  static constexpr std::chrono::milliseconds kRetryPeriod{2000};

  // The tick goes down from the timer to the window system, which finds the profile window,
  // and to the capture side, which reads it; the form gets only what it shows.
  ProfileWatcher(WindowSystem& windows, ProfileReader& reader, ProfileForm& form, WatcherClock& clock);

  // One timer tick (Timer1Timer).
  void Tick();

  // A reading the user starts by hand ends a pending re-read: the re-read giving up later
  // would empty the date fields and put the message over the user's own reading. The window
  // stays the one handled last, so it is not read again while it stays in front.
  void EndReRead() { retry_.reset(); }

  const WatcherState& State() const { return state_; }
  // Whether the last profile window is waiting to be read again.
  bool Retrying() const { return retry_.has_value(); }

 private:
  struct Found {
    WindowHandle window;
    GbkString title;
  };
  struct Retry {
    WindowHandle window;
    std::chrono::milliseconds firstFound;
    ScanTexts lastScan;
  };

  std::optional<Found> FirstProfileWindow();
  void Read(WindowHandle window, std::chrono::milliseconds firstFound);
  ScanTexts ScanShownBlock(WindowHandle window);
  void Finish(WindowHandle window, const ScanTexts& texts);
  void Show(const ScanTexts& texts);
  void CloseClick(WindowHandle window);

  WindowSystem& windows_;
  ProfileReader& reader_;
  ProfileForm& form_;
  WatcherClock& clock_;
  WatcherState state_;
  std::optional<Retry> retry_;
};

}  // namespace tesserin
