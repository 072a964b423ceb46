// What the probes of the main form share: the form's message loop run dry, and the process's
// memory. (edit_rewrap_probe has its own: it holds nothing of Tesserin.)
#pragma once

#include <windows.h>

#include <psapi.h>

#include <vector>

#include "ui/MessageLoop_win.h"

namespace tesserin::ui::probe {

// Dispatches every pending message as the program's loop does.
inline void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (PreTranslateFormMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// The bytes of every block in use on the process's heaps.
inline double HeapKb() {
  std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
  heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
  double bytes = 0;
  for (HANDLE heap : heaps) {
    if (!HeapLock(heap)) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(heap, &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
    HeapUnlock(heap);
  }
  return bytes / 1024.0;
}

inline double WorkingSetKb() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.WorkingSetSize) / 1024.0;
}

}  // namespace tesserin::ui::probe
