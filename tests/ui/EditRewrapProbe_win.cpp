// Wine's multi-line edit control and the width it wraps its text at, in a program that holds
// nothing of Tesserin: a read-only edit of a memo's size with a long Chinese text, whose
// vertical scroll bar is hidden and shown again, or whose width changes, or whose text changes,
// 2,000 times each. Prints the bytes in use on the heaps and the working set every 500 times;
// asserts nothing.
//
// Under Wine 8.0 the heap grows with each new width the text is wrapped at (the bar taking its
// width and giving it back is two); new texts at one width, or the bar toggled around an empty
// edit, keep it flat, and so does the bar toggled while the edit never learns of its new size
// (its WM_SIZE withheld, the wrapping width set once with EM_SETRECT), which is how Memo1 keeps
// its wrap.
//
//   edit_rewrap_probe [toggle|resize|texts|empty|kept]...   (all five when none is named)
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const wchar_t kText[] =
    L"今天天气很好，我们一起去公园散步，看见许多人在湖边钓鱼，孩子们在草地上放风筝，老人们在树下下棋聊天。";
const wchar_t kOtherText[] =
    L"我们一起去公园散步，今天天气很好，孩子们在草地上放风筝，看见许多人在湖边钓鱼，老人们在树下下棋聊天。";

double HeapKb() {
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

double WorkingSetKb() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.WorkingSetSize) / 1024.0;
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

WNDPROC editProc = nullptr;

// The edit never hears of its new size.
LRESULT CALLBACK WithoutSize(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SIZE) return 0;
  return CallWindowProcW(editProc, edit, message, wParam, lParam);
}

void Run(const std::wstring& mode, HWND window, HFONT font) {
  const bool resize = mode == L"resize";
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
                      (resize ? 0 : WS_VSCROLL);
  HWND edit = CreateWindowW(L"EDIT", mode == L"empty" ? L"" : kText, style, 150, 67, 353, 51, window, nullptr,
                            nullptr, nullptr);
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (mode == L"kept") {
    editProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WithoutSize)));
    RECT client;
    GetClientRect(edit, &client);  // beside the bar, which shows
    SendMessageW(edit, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&client));
  }
  Pump();
  const double heap = HeapKb(), set = WorkingSetKb();
  std::printf("%ls (%d lines):\n", mode.c_str(), static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0)));
  for (int i = 1; i <= 2000; ++i) {
    if (resize) {
      SetWindowPos(edit, nullptr, 0, 0, 336, 51, SWP_NOMOVE | SWP_NOZORDER);
      SetWindowPos(edit, nullptr, 0, 0, 353, 51, SWP_NOMOVE | SWP_NOZORDER);
    } else if (mode == L"texts") {
      SetWindowTextW(edit, i % 2 ? kOtherText : kText);
    } else {
      ShowScrollBar(edit, SB_VERT, FALSE);
      ShowScrollBar(edit, SB_VERT, TRUE);
    }
    Pump();
    if (i % 500 == 0)
      std::printf("  %5d times: heaps %+8.0f KiB, working set %+8.0f KiB\n", i, HeapKb() - heap, WorkingSetKb() - set);
  }
  DestroyWindow(edit);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> modes(argv + 1, argv + argc);
  if (modes.empty()) modes = {L"toggle", L"resize", L"texts", L"empty", L"kept"};
  HWND window = CreateWindowW(L"STATIC", L"edit_rewrap_probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 527, 362,
                              nullptr, nullptr, nullptr, nullptr);
  HFONT font = CreateFontW(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"微软雅黑");
  for (const std::wstring& mode : modes) Run(mode, window, font);
  DestroyWindow(window);
  DeleteObject(font);
  return 0;
}
