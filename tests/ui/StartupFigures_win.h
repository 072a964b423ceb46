// What the start-up probes share: waiting until a program they started waits for input with its
// window shown, and the medians of their figures. Nothing of Tesserin's.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace startup {

namespace detail {

struct Found {
  DWORD process;
  HWND window;
};

inline BOOL CALLBACK FindVisible(HWND hwnd, LPARAM param) {
  auto* found = reinterpret_cast<Found*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process == found->process && IsWindowVisible(hwnd)) {
    found->window = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace detail

// Returns once the process waits for input with a window shown (the first GetMessage that finds
// nothing to do, paint included): that window, or nullptr when none came within about 10 s.
inline HWND AwaitShownIdleWindow(const PROCESS_INFORMATION& process) {
  detail::Found found{process.dwProcessId, nullptr};
  // Idle once the window is up: Wine may report the process idle before it shows a window.
  // Look again every 5 ms; a tighter loop of EnumWindows slows the program down, since both
  // wait for the same wineserver.
  for (int i = 0; i < 2000 && !found.window; ++i) {
    WaitForInputIdle(process.hProcess, 10000);
    EnumWindows(detail::FindVisible, reinterpret_cast<LPARAM>(&found));
    if (!found.window) Sleep(5);
  }
  return found.window;
}

// The value below which the given share of the values lies (0.5: the median); 0 for none.
inline double Quantile(std::vector<double> values, double share) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5)];
}

inline double Median(std::vector<double> values) { return Quantile(std::move(values), 0.5); }

}  // namespace startup
