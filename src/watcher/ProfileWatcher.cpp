// The profile window watcher's decisions.
#include "watcher/ProfileWatcher.h"

#include "base/BusyGuard.h"
#include "base/GbkLiteral.h"

#include <string>

#include "watcher/BlockVisibility.h"
#include "watcher/ProfileTitle.h"

namespace tesserin {

namespace {

// The close button of the profile window, from the window's top-right corner.
constexpr int kCloseFromRight = 21;
constexpr int kCloseFromTop = 13;

bool Complete(const ScanTexts& texts) {
  return RecognisedNumber(texts.age) && RecognisedNumber(texts.month) &&
         RecognisedNumber(texts.day);
}

}  // namespace

const GbkString& UnreadableProfileMessage() {
  static const GbkLiteral kMessage{"抱歉：没有识别出来，或者年龄大于100岁或者小于10岁，无意义"};
  return kMessage;
}

ProfileWatcher::ProfileWatcher(WindowSystem& windows, ProfileReader& reader, ProfileForm& form,
                               WatcherClock& clock)
    : windows_(windows), reader_(reader), form_(form), clock_(clock) {}

void ProfileWatcher::Tick() {
  if (state_.WatcherBusy) return;
  BusyGuard busy(state_.WatcherBusy);

  std::optional<Found> found = FirstProfileWindow();
  if (!found) {
    // The window being read again is gone or lost its profile title: its reading is over.
    if (retry_) {
      ScanTexts last = retry_->lastScan;
      retry_.reset();
      Show(last);
    }
    return;
  }
  if (found->window == state_.LastProfileWindow) {
    if (retry_ && retry_->window == found->window) Read(found->window, retry_->firstFound);
    return;
  }
  retry_.reset();  // it belonged to a window that is no longer the first profile window
  state_.LastProfileWindow = found->window;
  form_.ShowNickname(Nickname(found->title));
  Read(found->window, clock_.Now());
}

std::optional<ProfileWatcher::Found> ProfileWatcher::FirstProfileWindow() {
  // One snapshot of the Z order: a window that moves while the titles are read is looked at
  // once, where it stood when the walk began.
  for (WindowHandle window : windows_.TopLevelWindows()) {
    WindowTitle title = windows_.Title(window);
    bool cut = title.text.size() > kMaxTitleBytes;
    if (cut) title.text.resize(kMaxTitleBytes);
    // A cut title is no window's whole title, so a lookup by it finds nothing.
    if (IsProfileTitle(title.text) && !cut) {
      // A window with a profile title but of another class belongs to another program: it is
      // passed over, and nothing is captured from it or clicked on it.
      WindowHandle profile = windows_.FindByClassAndTitle(kProfileWindowClass, title);
      if (profile != kNoWindow) return Found{profile, title.text};
    }
  }
  return std::nullopt;
}

void ProfileWatcher::Read(WindowHandle window, std::chrono::milliseconds firstFound) {
  ScanTexts texts = ScanShownBlock(window);
  if (Complete(texts) || clock_.Now() - firstFound >= kRetryPeriod) {
    Finish(window, texts);
  } else {
    retry_ = Retry{window, firstFound, texts};
  }
}

// The texts of the window's block; all "" when the copy failed or the block was not the
// window's own where it was read, so that no part of such a reading is shown.
ScanTexts ProfileWatcher::ScanShownBlock(WindowHandle window) {
  WindowDpiScope dpi(windows_, window);
  std::optional<BlockScan> scan = reader_.CaptureAndScan(window);
  if (!scan || !BlockShownWhole(windows_, window, scan->cells)) return {};
  return scan->texts;
}

void ProfileWatcher::Finish(WindowHandle window, const ScanTexts& texts) {
  retry_.reset();
  Show(texts);
  // After the analysis has returned, that is after any message box it showed was closed.
  if (form_.CloseAfterReading()) CloseClick(window);
}

void ProfileWatcher::Show(const ScanTexts& texts) {
  form_.ShowScan(texts);
  std::optional<int> age = RecognisedNumber(texts.age);
  std::optional<int> month = RecognisedNumber(texts.month);
  std::optional<int> day = RecognisedNumber(texts.day);
  if (!age || !month || !day) {
    form_.ShowUnreadable(UnreadableProfileMessage());
    return;
  }
  const int year = InferBirthYear(*age, *month, *day, clock_.Today());
  form_.ShowBirthYear(year);
  form_.ReadAsLunarDate({year, *month, *day});
}

void ProfileWatcher::CloseClick(WindowHandle window) {
  // The click goes only to the profile window itself: not after it has closed, and not when
  // something else covers its close button. The last check is made by ClickAndReturn right
  // before the input goes out, so that nothing lies between the check and the click.
  WindowDpiScope dpi(windows_, window);
  if (!windows_.Exists(window)) return;
  std::optional<ScreenRect> bounds = windows_.Bounds(window);
  if (!bounds) return;
  ScreenPoint button{bounds->right - kCloseFromRight, bounds->top + kCloseFromTop};
  ScreenPoint saved = windows_.Cursor();
  if (windows_.ClickAndReturn(window, button, saved)) windows_.KeepPointerBack(button, saved);
}

}  // namespace tesserin
