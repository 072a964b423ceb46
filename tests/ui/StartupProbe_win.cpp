// Start-up figures of a window program: the time from CreateProcess until the program first
// waits for input with its window shown and painted (WaitForInputIdle: the first GetMessage
// that finds nothing to do, paint included), and its working set at that moment. Prints the
// figures of each run and their medians; asserts nothing.
//
//   startup_probe PROGRAM.exe [RUNS]
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Found {
  DWORD process;
  HWND window;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM param) {
  auto* found = reinterpret_cast<Found*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process == found->process && IsWindowVisible(hwnd)) {
    found->window = hwnd;
    return FALSE;
  }
  return TRUE;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_probe PROGRAM.exe [RUNS]\n");
    return 2;
  }
  const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 5;
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> millis, workingSetKb, privateKb;
  for (int run = 0; run < runs; ++run) {
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      std::fprintf(stderr, "startup_probe: cannot start the program (error %lu)\n", GetLastError());
      return 1;
    }
    Found found{process.dwProcessId, nullptr};
    // Idle once the window is up: a program may go idle before it shows its window.
    for (int i = 0; i < 3000 && !found.window; ++i) {
      WaitForInputIdle(process.hProcess, 10000);
      EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&found));
      if (!found.window) Sleep(1);
    }
    QueryPerformanceCounter(&end);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    millis.push_back(ms);
    workingSetKb.push_back(static_cast<double>(memory.WorkingSetSize) / 1024.0);
    privateKb.push_back(static_cast<double>(memory.PrivateUsage) / 1024.0);
    std::printf("run %d: %.1f ms to an idle painted window, working set %.0f KiB, private %.0f KiB%s\n", run + 1, ms,
                workingSetKb.back(), privateKb.back(), found.window ? "" : " (no window seen)");
    if (found.window) PostMessageW(found.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  std::printf("median of %d: %.1f ms, working set %.0f KiB, private %.0f KiB\n", runs, Median(millis),
              Median(workingSetKb), Median(privateKb));
  return 0;
}
