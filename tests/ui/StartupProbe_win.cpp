// Start-up figures of window programs: the time from CreateProcess until the program first
// waits for input with its window shown and painted (WaitForInputIdle: the first GetMessage
// that finds nothing to do, paint included), and its working set at that moment. Prints the
// medians, and each program's time against the first program's as the median of the runs'
// ratios (a run measures the programs one after the other); asserts nothing. --each prints
// every run's times as well, a line a run.
//
//   startup_probe PROGRAM.exe... [--runs N] [--each]
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "StartupFigures_win.h"

namespace {

using startup::Median;
using startup::Quantile;

struct Figures {
  double millis = 0, workingSetKb = 0, privateKb = 0;
  bool windowSeen = false;
};

Figures Measure(const wchar_t* program) {
  std::wstring command = L"\"" + std::wstring(program) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "startup_probe: cannot start %ls (error %lu)\n", program, GetLastError());
    std::exit(1);
  }
  const HWND window = startup::AwaitShownIdleWindow(process);
  QueryPerformanceCounter(&end);
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  Figures f;
  f.millis = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  f.workingSetKb = static_cast<double>(memory.WorkingSetSize) / 1024.0;
  f.privateKb = static_cast<double>(memory.PrivateUsage) / 1024.0;
  f.windowSeen = window != nullptr;
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return f;
}

}  // namespace

// The programs are started in turn, run after run, so that a change in the machine's load
// falls on all of them alike.
int wmain(int argc, wchar_t** argv) {
  std::vector<const wchar_t*> programs;
  int runs = 9;
  bool each = false;
  for (int i = 1; i < argc; ++i) {
    if (std::wstring(argv[i]) == L"--runs" && i + 1 < argc)
      runs = std::max(1, _wtoi(argv[++i]));
    else if (std::wstring(argv[i]) == L"--each")
      each = true;
    else
      programs.push_back(argv[i]);
  }
  if (programs.empty()) {
    std::fprintf(stderr, "usage: startup_probe PROGRAM.exe... [--runs N] [--each]\n");
    return 2;
  }
  std::vector<std::vector<Figures>> results(programs.size());
  for (int run = 0; run < runs; ++run)
    for (size_t p = 0; p < programs.size(); ++p) {
      results[p].push_back(Measure(programs[p]));
      if (each) std::printf("%s%.1f", p ? "\t" : "", results[p].back().millis);
      if (each && p + 1 == programs.size()) std::printf("\n");
    }
  for (size_t p = 0; p < programs.size(); ++p) {
    std::vector<double> millis, ratios, workingSet, privateUse;
    bool allSeen = true;
    for (const Figures& f : results[p]) {
      millis.push_back(f.millis);
      workingSet.push_back(f.workingSetKb);
      privateUse.push_back(f.privateKb);
      allSeen = allSeen && f.windowSeen;
    }
    for (size_t run = 0; run < results[p].size(); ++run) ratios.push_back(millis[run] / results[0][run].millis);
    std::printf("%ls: median of %d runs: %.1f ms to an idle painted window (min %.1f, quartiles %.1f to %.1f), "
                "%.2fx the first program (median of the runs' ratios), working set %.0f KiB, private %.0f KiB%s\n",
                programs[p], runs, Median(millis), *std::min_element(millis.begin(), millis.end()),
                Quantile(millis, 0.25), Quantile(millis, 0.75), Median(ratios), Median(workingSet),
                Median(privateUse), allSeen ? "" : " (a run showed no window)");
  }
  return 0;
}
