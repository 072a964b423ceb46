// Test support: a window system, a capture side, a main window and a clock in memory, for
// driving the profile watcher without Windows. What the watcher asks of them is written to a journal, in order.
#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "watcher/ProfileForm.h"
#include "watcher/ProfileReader.h"
#include "watcher/WindowSystem.h"

namespace tesserin::testing {

using Journal = std::vector<std::string>;

struct FakeWindow {
  WindowHandle handle;
  std::string className;
  GbkString title;
  ScreenRect rect;
  bool clickThrough = false;  // passed over at every point, as a click-through shadow
};

class FakeWindowSystem : public WindowSystem {
 public:
  explicit FakeWindowSystem(Journal& journal) : journal_(journal) {}

  // Adds a window below all others; the title is given in UTF-8. The default size is that of a
  // profile window, tall enough for its block, which ends 606 pixels below the top.
  WindowHandle Add(std::string className, std::string_view title,
                   ScreenRect rect = {100, 100, 400, 740}) {
    WindowHandle handle = nextHandle_++;
    windows.push_back({handle, std::move(className), Gbk(title), rect});
    return handle;
  }
  WindowHandle AddProfile(std::string_view title, ScreenRect rect = {100, 100, 400, 740}) {
    return Add("TxGuiFoundation", title, rect);
  }
  void Remove(WindowHandle handle) {
    std::erase_if(windows, [&](const FakeWindow& w) { return w.handle == handle; });
  }
  void Raise(WindowHandle handle) {
    auto it = Find(handle);
    if (it == windows.end()) return;
    FakeWindow window = *it;
    windows.erase(it);
    windows.insert(windows.begin(), window);
  }

  std::vector<WindowHandle> TopLevelWindows() override {
    std::vector<WindowHandle> handles;
    for (const FakeWindow& w : windows) handles.push_back(w.handle);
    return handles;
  }
  WindowTitle Title(WindowHandle window) override {
    ++titleReads;
    auto it = Find(window);
    return it == windows.end() ? WindowTitle{} : WindowTitle{it->title, {}};
  }
  WindowHandle FindByClassAndTitle(std::string_view className,
                                   const WindowTitle& title) override {
    ++lookups;
    if (onLookup) onLookup();
    for (const FakeWindow& w : windows) {
      if (w.className == className && w.title == title.text) return w.handle;
    }
    return kNoWindow;
  }
  bool Exists(WindowHandle window) override { return Find(window) != windows.end(); }
  std::optional<ScreenRect> Bounds(WindowHandle window) override {
    auto it = Find(window);
    if (it == windows.end()) return std::nullopt;
    return it->rect;
  }
  // Windows have no frame: the client area is the whole window.
  std::optional<ScreenPoint> ClientOrigin(WindowHandle window) override {
    CountOutsideDpi();
    auto it = Find(window);
    if (it == windows.end()) return std::nullopt;
    return ScreenPoint{it->rect.left, it->rect.top};
  }
  WindowHandle TopLevelAt(ScreenPoint p) override {
    ++pointsAsked;
    CountOutsideDpi();
    for (const FakeWindow& w : windows) {
      if (w.clickThrough) continue;
      if (p.x >= w.rect.left && p.x < w.rect.right && p.y >= w.rect.top && p.y < w.rect.bottom) {
        return w.handle;
      }
    }
    return kNoWindow;
  }
  std::vector<ScreenRect> Monitors() override {
    CountOutsideDpi();
    return monitors;
  }
  ScreenPoint Cursor() override { return cursor; }
  // The check that the window still owns the point is the one TopLevelAt makes.
  bool ClickAndReturn(WindowHandle window, ScreenPoint at, ScreenPoint back) override {
    if (beforeClick) beforeClick();
    if (TopLevelAt(at) != window) return false;
    journal_.push_back("click " + Text(at) + " back " + Text(back));
    cursor = back;
    return true;
  }
  void KeepPointerBack(ScreenPoint at, ScreenPoint back) override {
    journal_.push_back("keep pointer " + Text(at) + " -> " + Text(back));
  }
  // Entering and leaving a window's DPI go to the journal only when asked for, so that the
  // other tests need not list them.
  void EnterWindowDpi(WindowHandle window) override {
    ++dpiDepth;
    if (journalDpi) journal_.push_back("dpi of " + std::to_string(window));
  }
  void LeaveWindowDpi() override {
    --dpiDepth;
    if (journalDpi) journal_.push_back("dpi left");
  }

  static std::string Text(ScreenPoint p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

  std::vector<FakeWindow> windows;  // top of the Z order first
  std::vector<ScreenRect> monitors{{0, 0, 1280, 1024}};
  ScreenPoint cursor{640, 512};
  int pointsAsked = 0;      // TopLevelAt calls
  int askedOutsideDpi = 0;  // places asked for outside a window's DPI
  int titleReads = 0;
  int lookups = 0;
  std::function<void()> onLookup;
  std::function<void()> beforeClick;  // what happens on the desktop just before the click
  bool journalDpi = false;
  int dpiDepth = 0;                   // entered and not yet left

 private:
  std::vector<FakeWindow>::iterator Find(WindowHandle handle) {
    return std::find_if(windows.begin(), windows.end(),
                        [&](const FakeWindow& w) { return w.handle == handle; });
  }

  void CountOutsideDpi() {
    if (dpiDepth == 0) ++askedOutsideDpi;
  }

  Journal& journal_;
  WindowHandle nextHandle_ = 0x1000;
};

class FakeForm : public ProfileForm {
 public:
  explicit FakeForm(Journal& journal) : journal_(journal) {}

  void ShowNickname(const GbkString& nickname) override { journal_.push_back("nickname=" + Utf8(nickname)); }
  void ShowScan(const ScanTexts& texts) override {
    scan = texts;
    journal_.push_back("age=" + Utf8(texts.age));
    journal_.push_back("month=" + Utf8(texts.month));
    journal_.push_back("day=" + Utf8(texts.day));
  }
  void ShowBirthYear(int birthYear) override {
    year = std::to_string(birthYear);
    journal_.push_back("year=" + year);
  }
  void ShowUnreadable(const GbkString& message) override { journal_.push_back("message=" + Utf8(message)); }
  bool CloseAfterReading() override { return checkBox1; }
  void ReadAsLunarDate(const CalendarDate& date) override {
    journal_.push_back("analysis " + std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
                       std::to_string(date.day));
    if (duringAnalysis) duringAnalysis();
  }

  ScanTexts scan;    // as last shown
  std::string year;  // as last shown; kept from before when none was inferred
  bool checkBox1 = false;
  std::function<void()> duringAnalysis;

 private:
  Journal& journal_;
};

// The cells a scan of the profile "25", "3", "14" reads, its marker at row 40 of the block.
inline const std::vector<CellOrigin> kDigitCells = {{56, 41}, {62, 41}, {92, 41},
                                                     {98, 41}, {110, 41}, {116, 41}};

class FakeProfileReader : public ProfileReader {
 public:
  explicit FakeProfileReader(Journal& journal) : journal_(journal) {}

  std::optional<BlockScan> CaptureAndScan(WindowHandle window) override {
    journal_.push_back("capture " + std::to_string(window));
    if (copyFails && copyFails(window)) return std::nullopt;
    return BlockScan{scan ? scan(window) : ScanTexts{}, cells};
  }

  std::function<ScanTexts(WindowHandle)> scan;
  std::vector<CellOrigin> cells = kDigitCells;
  std::function<bool(WindowHandle)> copyFails;

 private:
  Journal& journal_;
};

class FakeClock : public WatcherClock {
 public:
  std::chrono::milliseconds Now() override { return now; }
  LocalDate Today() override { return today; }

  std::chrono::milliseconds now{100000};
  LocalDate today{2017, 5, 20};
};

}  // namespace tesserin::testing
