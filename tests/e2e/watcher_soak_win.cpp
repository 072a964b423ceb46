// Soak run (prints figures, asserts nothing; not part of the tests): tesserin.exe beside many
// stand-in profile windows opened one after another with varied dates, CheckBox1 ticked. Each
// one must be read right, closed by the click, and leave the pointer where it was. Prints the
// count of those that went wrong, the program's memory and handles at the start and the end,
// the same for a run with both cores busy, and the program's CPU use while idle among 50 other
// windows.
//
//   watcher_soak [--count N] [--busy-count N] [--idle-seconds S] [--tesserin EXE] [--standin EXE]
//
// The programs default to those of the build tree; copies can be given instead, so that the
// tree may be rebuilt during a long run.
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "e2e/Desktop_win.h"
#include "form/Layout.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"
#include "ui/FormState_win.h"

namespace {

using namespace tesserin;
using e2e::Process;
using ui::Ctl;

struct Usage {
  double workingSetMb, privateMb;
  DWORD handles, gdiObjects, userObjects;
};

Usage UsageOf(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
  DWORD handles = 0;
  GetProcessHandleCount(process, &handles);
  return {memory.WorkingSetSize / 1048576.0, memory.PrivateUsage / 1048576.0, handles,
          GetGuiResources(process, GR_GDIOBJECTS), GetGuiResources(process, GR_USEROBJECTS)};
}

// Wine gives no handle or object counts of another process (0): those show as "n/a".
std::string Count(DWORD n) { return n ? std::to_string(n) : "n/a"; }

void Print(const char* when, const Usage& u) {
  std::printf("  %-20s working set %6.1f MB  private %s MB  handles %s  GDI %s  USER %s\n", when,
              u.workingSetMb, u.privateMb > 0 ? std::to_string(u.privateMb).substr(0, 5).c_str() : "n/a",
              Count(u.handles).c_str(), Count(u.gdiObjects).c_str(), Count(u.userObjects).c_str());
}

std::string standInProgram = TESSERIN_STANDIN_EXE;

class Soak {
 public:
  explicit Soak(Process& tesserin) : tesserin_(tesserin) {}

  bool Start() {
    bool found = e2e::WaitFor([&] {
      form_ = e2e::FormOf(tesserin_.Id(), Id(Ctl::AgeField));
      return form_ && IsWindowVisible(form_);
    }, 20000);
    if (!found) return false;
    e2e::Pause(300);
    SendMessageW(Control(Ctl::AutoCloseBox), BM_SETCHECK, BST_CHECKED, 0);
    return true;
  }

  // One stand-in; returns what went wrong, or an empty text.
  std::string One(int i) {
    const int age = 10 + Next() % 61, month = 1 + Next() % 12;
    int day = 1 + Next() % 31;
    while (!IsADay(std::stoi(ExpectedYear(age, month, day)), month, day, CalendarMode::Lunar))
      day = 1 + Next() % 31;  // a day that does not exist is refused in a box
    const int x = 100 + Next() % 800, y = 40 + Next() % 300;
    const POINT pointer{static_cast<LONG>(5 + Next() % 60), static_cast<LONG>(600 + Next() % 300)};
    const std::wstring nickname = L"soak" + std::to_wstring(i);
    SetCursorPos(pointer.x, pointer.y);
    Process standIn(standInProgram.c_str(),
                    L"--nickname " + nickname + L" --age " + std::to_wstring(age) + L" --month " +
                        std::to_wstring(month) + L" --day " + std::to_wstring(day) + L" --at " +
                        std::to_wstring(x) + L"," + std::to_wstring(y));
    if (!e2e::WaitFor([&] { return !standIn.Running(); }, 8000)) return "not closed";
    if (!e2e::WaitFor([&] {
          POINT p = e2e::CursorPos();
          return p.x == pointer.x && p.y == pointer.y;
        }, 300)) {
      return "pointer not back";
    }
    const std::string year = ExpectedYear(age, month, day);
    const AnalysisOutcome outcome = AnalysisRun(
        {DateField::OfText(year), DateField::Number(month), DateField::Number(day), CalendarMode::Lunar});
    if (!std::holds_alternative<Reading>(outcome)) return "the profile's date gives no reading";
    const AnalysisDisplay display = FieldsOf(std::get<Reading>(outcome));
    const std::pair<Ctl, std::wstring> expected[] = {
        {Ctl::NicknameLabel, nickname},
        {Ctl::AgeField, std::to_wstring(age)},
        {Ctl::MonthField, std::to_wstring(month)},
        {Ctl::DayField, std::to_wstring(day)},
        {Ctl::YearField, WideFromGbk(year)},
        {Ctl::PillarLine, WideFromGbk(display.PillarLine)},
        {Ctl::PersonalityMemo, WideFromGbk(display.PersonalityText)},
        {Ctl::KindnessStars, WideFromGbk(display.KindnessStars)},
    };
    for (const auto& [control, text] : expected) {
      if (e2e::TextOf(Control(control)) != text) return "misread";
    }
    if (e2e::BoxOf(tesserin_.Id())) return "a box is open";
    return {};
  }

 private:
  static int Id(Ctl control) { return ui::kFirstControlId + static_cast<int>(control); }
  HWND Control(Ctl control) { return e2e::ControlById(form_, Id(control)); }
  unsigned Next() {
    seed_ = seed_ * 1103515245u + 12345u;
    return (seed_ >> 16) & 0x7FFF;
  }
  static std::string ExpectedYear(int age, int month, int day) {
    SYSTEMTIME today;
    GetLocalTime(&today);
    bool toCome = today.wMonth < month || (today.wMonth == month && today.wDay < day);
    return std::to_string(today.wYear - age - (toCome ? 1 : 0));
  }

  Process& tesserin_;
  HWND form_ = nullptr;
  unsigned seed_ = 20261210u;
};

struct Tally {
  int wrong = 0;
  std::vector<std::string> firstFaults;
};

void RunProfiles(Soak& soak, int from, int count, Tally& tally, HANDLE tesserin, Usage* after50) {
  for (int i = from; i < from + count; ++i) {
    std::string fault = soak.One(i);
    if (!fault.empty()) {
      ++tally.wrong;
      if (tally.firstFaults.size() < 10) tally.firstFaults.push_back(std::to_string(i) + ": " + fault);
    }
    if (after50 && i - from == 49) *after50 = UsageOf(tesserin);
    if ((i - from + 1) % 100 == 0) {
      std::printf("  ... %d done, %d wrong\n", i - from + 1, tally.wrong);
      std::fflush(stdout);
    }
  }
}

void PrintTally(const char* what, int count, const Tally& tally) {
  std::printf("%s: %d profiles, %d read wrong, not closed or pointer not back\n", what, count, tally.wrong);
  for (const std::string& f : tally.firstFaults) std::printf("    %s\n", f.c_str());
}

LRESULT CALLBACK PlainWindow(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcW(w, m, wp, lp); }

double CoreSeconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  auto seconds = [](const FILETIME& t) {
    return ((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

// The program's share of one core while it idles with 50 other top-level windows to walk.
void MeasureIdle(HANDLE tesserin, int seconds) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainWindow;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"SoakOther";
  RegisterClassW(&wc);
  std::vector<HWND> others;
  for (int i = 0; i < 50; ++i) {
    std::wstring title = L"other window " + std::to_wstring(i);
    others.push_back(CreateWindowW(L"SoakOther", title.c_str(), WS_OVERLAPPEDWINDOW, 10 * i, 10 * i,
                                   200, 100, nullptr, nullptr, wc.hInstance, nullptr));
  }
  double before = CoreSeconds(tesserin);
  DWORD start = GetTickCount();
  while (GetTickCount() - start < static_cast<DWORD>(seconds) * 1000) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(50);
  }
  double used = CoreSeconds(tesserin) - before;
  double wall = (GetTickCount() - start) / 1000.0;
  std::printf("idle among 50 other windows: %.3f s of CPU in %.1f s, %.2f%% of a core\n", used, wall,
              100.0 * used / wall);
  for (HWND w : others) DestroyWindow(w);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int count = 1000, busyCount = 60, idleSeconds = 30;
  std::string tesserinProgram = TESSERIN_EXE;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::wstring a = argv[i];
    int v = _wtoi(argv[i + 1]);
    std::string path(argv[i + 1], argv[i + 1] + wcslen(argv[i + 1]));  // an ASCII path
    if (a == L"--count") count = v;
    else if (a == L"--busy-count") busyCount = v;
    else if (a == L"--idle-seconds") idleSeconds = v;
    else if (a == L"--tesserin") tesserinProgram = path;
    else if (a == L"--standin") standInProgram = path;
  }
  Process tesserin(tesserinProgram.c_str(), L"");
  Soak soak(tesserin);
  if (!tesserin.Started() || !soak.Start()) {
    std::printf("tesserin.exe did not start\n");
    return 2;
  }
  HANDLE process = tesserin.Handle();
  const Usage start = UsageOf(process);
  Usage after50 = start;
  Tally calm;
  RunProfiles(soak, 0, count, calm, process, &after50);
  const Usage end = UsageOf(process);

  Tally busy;
  if (busyCount > 0) {
    e2e::BusyCores busyCores;
    RunProfiles(soak, count, busyCount, busy, process, nullptr);
  }
  const Usage afterBusy = UsageOf(process);

  PrintTally("one after another", count, calm);
  if (busyCount > 0) PrintTally("with every core busy", busyCount, busy);
  std::printf("tesserin.exe:\n");
  Print("at the start", start);
  Print("after 50 profiles", after50);
  Print("at the end", end);
  if (busyCount > 0) Print("after the busy run", afterBusy);
  if (idleSeconds > 0) MeasureIdle(process, idleSeconds);
  std::fflush(stdout);
  return calm.wrong + busy.wrong == 0 ? 0 : 1;
}
