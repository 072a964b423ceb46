// Timed harness (prints figures, asserts nothing): the watcher's tick on Win32 under the real
// window system, with no profile window among 50 top-level windows, and handling one profile
// window of another process (capture, scan, lunar analysis).
//
//   capture_tick_timing [rounds]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "capture/ProfileCapture_win.h"
#include "watcher/ProfileReader_win.h"
#include "watcher/ProfileWatcher.h"
#include "watcher/SystemClock_win.h"
#include "watcher/WindowSystem_win.h"
#include "e2e/Desktop_win.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"

namespace {

using namespace tesserin;
using Clock = std::chrono::steady_clock;

// The main window's part, kept in memory, with the real analysis.
class TimingForm : public ProfileForm {
 public:
  void ShowNickname(const GbkString&) override { ++writes; }
  void ShowScan(const ScanTexts&) override { writes += 3; }
  void ShowBirthYear(int) override { ++writes; }
  void ShowUnreadable(const GbkString&) override { ++writes; }
  bool CloseAfterReading() override { return false; }
  void ReadAsLunarDate(const CalendarDate& date) override {
    last = date;
    const AnalysisInput input{DateField::Number(date.year), DateField::Number(date.month),
                              DateField::Number(date.day), CalendarMode::Lunar};
    if (const Reading* reading = std::get_if<Reading>(&(outcome = AnalysisRun(input))))
      WriteFields(*reading, display);
    ++analyses;
  }
  CalendarDate last;
  AnalysisOutcome outcome;
  AnalysisDisplay display = AnalysisDisplay::Initial();
  int writes = 0, analyses = 0;
};

double Micro(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

void Report(const char* what, std::vector<double>& samples) {
  std::sort(samples.begin(), samples.end());
  double sum = 0;
  for (double s : samples) sum += s;
  std::printf("%-48s n=%zu  mean %8.1f us  median %8.1f us  p95 %8.1f us\n", what,
              samples.size(), sum / samples.size(), samples[samples.size() / 2],
              samples[samples.size() * 95 / 100]);
}

}  // namespace

int main(int argc, char** argv) {
  int rounds = argc > 1 ? std::atoi(argv[1]) : 200;
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.lpszClassName = L"TimingWindow";
  RegisterClassW(&wc);

  // 50 top-level windows besides whatever the system has (hidden windows are walked too).
  std::vector<HWND> windows;
  for (int i = 0; i < 50; ++i) {
    std::wstring title = L"窗口 " + std::to_wstring(i);
    windows.push_back(CreateWindowExW(0, L"TimingWindow", title.c_str(), WS_OVERLAPPED, 0, 0,
                                      100, 100, nullptr, nullptr, instance, nullptr));
  }
  Win32WindowSystem system;
  const int total = static_cast<int>(system.TopLevelWindows().size());

  SystemClock clock;
  Win32ProfileReader reader;  // the real capture and scan
  {
    TimingForm form;
    ProfileWatcher watcher(system, reader, form, clock);
    std::vector<double> samples;
    for (int i = 0; i < rounds; ++i) {
      auto start = Clock::now();
      watcher.Tick();
      samples.push_back(Micro(Clock::now() - start));
    }
    char what[96];
    std::snprintf(what, sizeof what, "tick, no profile window (%d top-level)", total);
    Report(what, samples);
  }

  // Two stand-in profile windows raised in turn, so that every tick finds a new one.
  e2e::Process first(TESSERIN_STANDIN_EXE, L"--nickname 小明 --at 20,40");
  e2e::Process second(TESSERIN_STANDIN_EXE, L"--nickname 阿花 --at 20,40 --month 12 --day 8");
  HWND profiles[2] = {};
  e2e::WaitFor([&] {
    profiles[0] = FindWindowW(L"TxGuiFoundation", L"小明的资料");
    profiles[1] = FindWindowW(L"TxGuiFoundation", L"阿花的资料");
    return profiles[0] && profiles[1];
  });
  if (!profiles[0] || !profiles[1]) {
    std::printf("stand-in profile windows did not appear\n");
    return 1;
  }
  Sleep(300);  // both painted
  TimingForm form;
  ProfileWatcher watcher(system, reader, form, clock);
  std::vector<double> samples;
  for (int i = 0; i < rounds; ++i) {
    SetWindowPos(profiles[i % 2], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Sleep(30);  // let the raised window repaint before it is copied
    auto start = Clock::now();
    watcher.Tick();
    samples.push_back(Micro(Clock::now() - start));
  }
  Report("tick handling one profile (capture, scan, analysis)", samples);
  std::printf("analyses run: %d of %d ticks; last reading %d-%d-%d\n", form.analyses, rounds, form.last.year,
              form.last.month, form.last.day);

  std::vector<double> captures;
  for (int i = 0; i < rounds; ++i) {
    auto start = Clock::now();
    ProfileCapture(profiles[0]);
    captures.push_back(Micro(Clock::now() - start));
  }
  Report("ProfileCapture alone", captures);
  for (HWND w : windows) DestroyWindow(w);
  return 0;
}
