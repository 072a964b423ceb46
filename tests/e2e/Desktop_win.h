// Test support for the Windows tests: starting the programs under test as separate processes,
// finding their windows, reading their controls, and waiting for something to happen.
#pragma once

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <initializer_list>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace tesserin::e2e {

// A Linux path of the build tree as Wine's drive Z: sees it.
inline std::wstring WinePath(const char* path) {
  std::wstring wide;
  if (path[0] == '/') wide = L"Z:";
  for (const char* p = path; *p; ++p) wide += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
  return wide;
}

// Polls every 20 ms until the condition holds or the limit (generous: it only bounds a
// failing test) has passed; returns whether it held.
inline bool WaitFor(const std::function<bool()>& condition, int limitMs = 8000) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
  while (true) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

inline void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Keeps every core busy while it lives: one spinning thread per core, at normal priority, as
// a machine under load.
class BusyCores {
 public:
  BusyCores() {
    for (unsigned i = 0; i < std::max(2u, std::thread::hardware_concurrency()); ++i) {
      threads_.emplace_back([this] {
        volatile unsigned long long n = 0;
        while (spin_.load(std::memory_order_relaxed)) n = n + 1;
      });
    }
  }
  ~BusyCores() {
    spin_ = false;
    for (std::thread& t : threads_) t.join();
  }
  BusyCores(const BusyCores&) = delete;
  BusyCores& operator=(const BusyCores&) = delete;

 private:
  std::atomic<bool> spin_{true};
  std::vector<std::thread> threads_;
};

// A program started for a test, ended with it.
class Process {
 public:
  Process(const char* program, const std::wstring& arguments) {
    std::wstring command = L"\"" + WinePath(program) + L"\" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info_)) {
      CloseHandle(info_.hThread);
    } else {
      info_ = {};
    }
  }
  ~Process() {
    if (!info_.hProcess) return;
    if (Running()) {
      TerminateProcess(info_.hProcess, 99);
      WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
  }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Started() const { return info_.hProcess != nullptr; }
  HANDLE Handle() const { return info_.hProcess; }
  DWORD Id() const { return info_.dwProcessId; }
  bool Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
  }
  void Kill() {
    if (Running()) TerminateProcess(info_.hProcess, 98);
    if (info_.hProcess) WaitForSingleObject(info_.hProcess, 5000);
  }

 private:
  PROCESS_INFORMATION info_{};
};

// The first top-level window of the process (visible or not) that passes the test.
// The enumeration callbacks are named functions, not lambdas: a lambda converts only to a
// pointer of the default calling convention, and on 32-bit Windows a callback is __stdcall.
struct WindowOfProcessSearch {
  DWORD processId;
  const std::function<bool(HWND)>& test;
  HWND found;
};

inline BOOL CALLBACK FindWindowOfProcess(HWND window, LPARAM data) {
  auto* s = reinterpret_cast<WindowOfProcessSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != s->processId || !s->test(window)) return TRUE;
  s->found = window;
  return FALSE;
}

inline HWND FirstWindowOf(DWORD processId, const std::function<bool(HWND)>& test) {
  WindowOfProcessSearch search{processId, test, nullptr};
  EnumWindows(FindWindowOfProcess, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The first top-level window of the process, of the class if one is given (visible or not).
inline HWND TopWindowOf(DWORD processId, const wchar_t* className = nullptr) {
  return FirstWindowOf(processId, [className](HWND window) {
    wchar_t name[64];
    return !className || (GetClassNameW(window, name, 64) && std::wstring(name) == className);
  });
}

// A control of another process's window by its id, searched among all descendants.
struct ControlSearch {
  int id;
  HWND found;
};

inline BOOL CALLBACK FindControl(HWND child, LPARAM data) {
  auto* s = reinterpret_cast<ControlSearch*>(data);
  if (GetDlgCtrlID(child) != s->id) return TRUE;
  s->found = child;
  return FALSE;
}

inline HWND ControlById(HWND parent, int id) {
  ControlSearch search{id, nullptr};
  EnumChildWindows(parent, FindControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A window's text, across processes.
inline std::wstring TextOf(HWND window) {
  wchar_t buffer[1024];
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, 3000, &length)) {
    return L"<no answer>";
  }
  return std::wstring(buffer, length);
}

// The main form of a tesserin process: its top-level window that holds the control
// `markerControlId`.
inline HWND FormOf(DWORD processId, int markerControlId) {
  return FirstWindowOf(processId, [markerControlId](HWND window) {
    return ControlById(window, markerControlId) != nullptr;
  });
}

// The visible message box (#32770) of a process, or nullptr.
inline HWND BoxOf(DWORD processId) {
  HWND box = nullptr;
  while ((box = FindWindowExW(nullptr, box, L"#32770", nullptr))) {
    DWORD owner = 0;
    GetWindowThreadProcessId(box, &owner);
    if (owner == processId && IsWindowVisible(box)) return box;
  }
  return nullptr;
}

inline POINT CursorPos() {
  POINT p{-1, -1};
  GetCursorPos(&p);
  return p;
}

// Real mouse input (SendInput) at a screen point: the pointer moves there, and a left or right
// click follows unless `button` is kNoClick.
enum class MouseButton { kNoClick, kLeft, kRight };
inline void MouseAt(POINT p, MouseButton button = MouseButton::kLeft) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input[3] = {};
  for (INPUT& i : input) i.type = INPUT_MOUSE;
  input[0].mi.dx = static_cast<LONG>((p.x * 65536LL + 32768) / width);
  input[0].mi.dy = static_cast<LONG>((p.y * 65536LL + 32768) / height);
  input[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  const bool right = button == MouseButton::kRight;
  input[1].mi.dwFlags = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  input[2].mi.dwFlags = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(button == MouseButton::kNoClick ? 1 : 3, input, sizeof(INPUT));
}

// Real key input: the keys pressed in order and let go in reverse, so {VK_MENU, VK_SPACE} is
// Alt+Space.
inline void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> input;
  auto key = [&input](WORD vk, DWORD flags) {
    INPUT i{};
    i.type = INPUT_KEYBOARD;
    i.ki.wVk = vk;
    i.ki.dwFlags = flags;
    input.push_back(i);
  };
  for (WORD vk : keys) key(vk, 0);
  for (auto vk = std::rbegin(keys); vk != std::rend(keys); ++vk) key(*vk, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

}  // namespace tesserin::e2e
