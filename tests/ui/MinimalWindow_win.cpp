// The floor for the start-up figures: the smallest Win32 program with a window of the form's
// client size, built with the same toolchain and flags as tesserin.exe. Built a second time
// with WITH_CHILDREN, it also holds as many plain standard controls as the form (labels and
// edits with Chinese text), to show what the child windows alone cost.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

// startup_phases_probe builds the window with children in under another name.
#ifndef MINIMAL_ENTRY_POINT
#define MINIMAL_ENTRY_POINT wWinMain
#endif

extern "C" int WINAPI MINIMAL_ENTRY_POINT(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"MinimalWindow";
  RegisterClassW(&wc);
  RECT r{0, 0, 527, 362};
  AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
  HWND hwnd = CreateWindowW(L"MinimalWindow", L"Minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                            r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
#ifdef WITH_CHILDREN
  for (int i = 0; i < 28; ++i)
    CreateWindowW(i % 3 ? L"STATIC" : L"EDIT", L"八字性格", WS_CHILD | WS_VISIBLE, 10 + (i % 4) * 120,
                  10 + (i / 4) * 40, 100, 30, hwnd, nullptr, instance, nullptr);
#endif
  ShowWindow(hwnd, showCommand);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
