// Where the start-up time of tesserin.exe goes, beside the floor program's and the bare window's
// with plain children. The entry points of the three are built in under other names; each is
// started afresh, run after run, with a timeline taken in its thread from the process's creation
// on: the entry point reached, every window as it is made (a CBT hook), the form's WM_CREATE
// done, its first show and first paint, the focus set, and the moment the program first waits
// for input with its window shown, seen from outside as startup_probe sees it. Runs of a second
// kind time, each in a fresh process, the pieces of the form's creation that the floor does not
// have: the search for installed Chinese fonts, the eight fonts, and every label measured by its
// ink against one GetTextExtentPoint32W each. Prints the medians; asserts nothing.
//
//   startup_phases_probe [--runs N]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ui/Fonts_win.h"
#include "form/Layout.h"
#include "ui/TextExtent_win.h"
#include "StartupFigures_win.h"

// The entry points of tesserin.exe (Main_win.cpp), of the floor program (FloorForm_win.cpp) and
// of the bare window with plain children (MinimalWindow_win.cpp), renamed by the build (C
// linkage, as the system headers declare wWinMain).
extern "C" int WINAPI TesserinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int showCommand);
extern "C" int WINAPI FloorMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int showCommand);
extern "C" int WINAPI PlainChildrenMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int showCommand);

namespace {

using namespace tesserin::ui;

// --- In the measured process -------------------------------------------------------------------

struct Mark {
  double millis;  // since the process was created
  std::string what;
};

struct Timeline {
  std::mutex lock;
  std::vector<Mark> marks;
  double entryMillis = 0;
  LARGE_INTEGER entry{}, frequency{};
  HWND form = nullptr;
  WNDPROC formProc = nullptr;
  bool shown = false, painted = false;
} timeline;

double SinceCreation() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return timeline.entryMillis +
         1000.0 * static_cast<double>(now.QuadPart - timeline.entry.QuadPart) / static_cast<double>(timeline.frequency.QuadPart);
}

void Note(std::string what) {
  const double at = SinceCreation();
  std::lock_guard<std::mutex> hold(timeline.lock);
  timeline.marks.push_back({at, std::move(what)});
}

double Millis(const FILETIME& t) {
  return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
}

// The time from the process's creation to now, on the system clock; the marks after it count on
// with the performance counter.
void StartTimeline() {
  QueryPerformanceFrequency(&timeline.frequency);
  QueryPerformanceCounter(&timeline.entry);
  FILETIME now, created, exited, kernel, user;
  GetSystemTimePreciseAsFileTime(&now);
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  timeline.entryMillis = Millis(now) - Millis(created);
  Note("entry point");
}

std::string Narrow(const wchar_t* text) {
  char out[64] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out - 1, nullptr, nullptr);
  return out;
}

// The form's messages that mark a phase. The form is watched by a subclass, not by message
// hooks: under Wine every call of a message hook asks the server, which would slow down what
// is measured.
LRESULT CALLBACK WatchForm(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SHOWWINDOW && wParam && !timeline.shown) {
    timeline.shown = true;
    Note("form shown");
  }
  if (message == WM_NEXTDLGCTL) Note("focus to the first field");
  const LRESULT result = CallWindowProcW(timeline.formProc, form, message, wParam, lParam);
  if (message == WM_CREATE) Note("form's WM_CREATE done");
  if (message == WM_PAINT && !timeline.painted) {
    timeline.painted = true;
    Note("form's first WM_PAINT done");
  }
  return result;
}

// Every window as it is made; the first top-level one is the form.
LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
    wchar_t name[64] = {};
    if (IS_INTRESOURCE(create->lpszClass))
      wsprintfW(name, L"#%u", static_cast<unsigned>(reinterpret_cast<UINT_PTR>(create->lpszClass)));
    else
      lstrcpynW(name, create->lpszClass, 64);
    const wchar_t* versioned = wcschr(name, L'!');  // "6.0.x!Static": common controls 6's
    std::string what = "create " + Narrow(versioned ? versioned + 1 : name);
    if (create->lpszName && *create->lpszName) {
      wchar_t text[9] = {};
      lstrcpynW(text, create->lpszName, 9);
      what += " \"" + Narrow(text) + "\"";
    }
    Note(what);
    if (!timeline.form && !create->hwndParent) {
      timeline.form = reinterpret_cast<HWND>(wParam);
      timeline.formProc = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(timeline.form, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchForm)));
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void WriteOut(const std::string& text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// The timeline, written when the program ends.
void WriteTimeline() {
  std::string out;
  std::lock_guard<std::mutex> hold(timeline.lock);
  for (const Mark& mark : timeline.marks) {
    char millis[32];
    std::snprintf(millis, sizeof millis, "%.2f\t", mark.millis);
    out += millis + mark.what + "\n";
  }
  WriteOut(out);
}

using EntryPoint = int(WINAPI*)(HINSTANCE, HINSTANCE, PWSTR, int);

int RunTimeline(EntryPoint program, HINSTANCE instance, int showCommand) {
  StartTimeline();
  SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
  const int status = program(instance, nullptr, nullptr, showCommand);
  WriteTimeline();
  return status;
}

double Elapsed(const LARGE_INTEGER& from) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Work>
std::string Timed(const char* what, Work work) {
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  work();
  char line[160];
  std::snprintf(line, sizeof line, "%.2f\t%s\n", Elapsed(start), what);
  return line;
}

// The pieces of the form's creation beyond what the floor does, each timed once, first use.
int RunPieces() {
  std::string out;
  out += Timed("search for installed Chinese fonts (first ResolveFamily)", [] { ResolveFamily(Family::SongTi); });
  std::unique_ptr<FontSet> fonts;
  out += Timed("the eight fonts (FontSet)", [&] { fonts = std::make_unique<FontSet>(kBaseDpi); });
  out += Timed("every label measured by its ink (LabelExtent)", [&] {
    for (const ControlSpec& row : kControls)
      if (row.kind == Kind::Label) LabelExtent(fonts->Get(row.font), row.text);
  });
  out += Timed("every label measured by GetTextExtentPoint32W", [&] {
    HDC screen = GetDC(nullptr);
    for (const ControlSpec& row : kControls) {
      if (row.kind != Kind::Label) continue;
      HGDIOBJ old = SelectObject(screen, fonts->Get(row.font));
      SIZE size;
      GetTextExtentPoint32W(screen, row.text.data(), static_cast<int>(row.text.size()), &size);
      SelectObject(screen, old);
    }
    ReleaseDC(nullptr, screen);
  });
  WriteOut(out);
  return 0;
}

// --- In the probe -----------------------------------------------------------------------------

struct Line {
  double millis;
  std::string what;
};

// Waits, as startup_probe does, until the process waits for input with a window shown; then
// closes the window. Returns the time since the process was created.
double AwaitIdleAndClose(const PROCESS_INFORMATION& process) {
  const HWND window = startup::AwaitShownIdleWindow(process);
  FILETIME now, created, exited, kernel, user;
  GetSystemTimePreciseAsFileTime(&now);
  GetProcessTimes(process.hProcess, &created, &exited, &kernel, &user);
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  return Millis(now) - Millis(created);
}

// Starts this program with the argument and reads what it writes; a program that shows a
// window is closed once it waits for input, and that moment is the last line.
std::vector<Line> RunChild(const wchar_t* argument, bool showsWindow) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) + L"\" " + argument;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd, writeEnd;
  CreatePipe(&readEnd, &writeEnd, &inherit, 0);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    std::fprintf(stderr, "startup_phases_probe: cannot start itself (error %lu)\n", GetLastError());
    std::exit(1);
  }
  CloseHandle(writeEnd);
  const double idle = showsWindow ? AwaitIdleAndClose(process) : 0;
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got) text.append(buffer, got);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(readEnd);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::vector<Line> lines;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(at, end - at);
    const size_t tab = line.find('\t');
    if (tab != std::string::npos) lines.push_back({std::atof(line.c_str()), line.substr(tab + 1)});
    at = end + 1;
  }
  if (showsWindow) lines.push_back({idle, "waiting for input, window shown (seen from outside)"});
  return lines;
}

// The median of each line over the runs that wrote the same lines as the first.
std::vector<Line> Medians(const std::vector<std::vector<Line>>& runs, int& agreeing) {
  std::vector<Line> medians;
  if (runs.empty()) return medians;
  const std::vector<Line>& first = runs.front();
  std::vector<const std::vector<Line>*> alike;
  for (const auto& run : runs) {
    bool same = run.size() == first.size();
    for (size_t i = 0; same && i < run.size(); ++i) same = run[i].what == first[i].what;
    if (same) alike.push_back(&run);
  }
  agreeing = static_cast<int>(alike.size());
  for (size_t i = 0; i < first.size(); ++i) {
    std::vector<double> values;
    for (const auto* run : alike) values.push_back((*run)[i].millis);
    medians.push_back({startup::Median(values), first[i].what});
  }
  return medians;
}

void PrintTimeline(const char* title, const std::vector<std::vector<Line>>& runs) {
  int agreeing = 0;
  std::printf("%s, median ms since the process was created (step since the line before):\n", title);
  double before = 0;
  for (const Line& line : Medians(runs, agreeing)) {
    std::printf("%8.1f  (%+6.1f)  %s\n", line.millis, line.millis - before, line.what.c_str());
    before = line.millis;
  }
  std::printf("(%d of %zu runs alike)\n\n", agreeing, runs.size());
}

// The two programs and the pieces in turn, run after run, so that a change in the machine's
// load falls on all of them alike.
int RunProbe(int runs) {
  std::vector<std::vector<Line>> plain, tesserin, floor, pieces;
  for (int run = 0; run < runs; ++run) {
    plain.push_back(RunChild(L"--plain-children", true));
    floor.push_back(RunChild(L"--floor", true));
    tesserin.push_back(RunChild(L"--tesserin", true));
    pieces.push_back(RunChild(L"--pieces", false));
  }
  PrintTimeline("The bare window with plain children", plain);
  PrintTimeline("The floor program's start", floor);
  PrintTimeline("tesserin.exe's start", tesserin);
  int agreeing = 0;
  std::printf("Pieces of the form's creation, each in a fresh process, median ms:\n");
  for (const Line& line : Medians(pieces, agreeing)) std::printf("%8.2f  %s\n", line.millis, line.what.c_str());
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int showCommand) {
  const std::wstring arguments(commandLine ? commandLine : L"");
  if (arguments.find(L"--tesserin") != std::wstring::npos) return RunTimeline(TesserinMain, instance, showCommand);
  if (arguments.find(L"--floor") != std::wstring::npos) return RunTimeline(FloorMain, instance, showCommand);
  if (arguments.find(L"--plain-children") != std::wstring::npos)
    return RunTimeline(PlainChildrenMain, instance, showCommand);
  if (arguments.find(L"--pieces") != std::wstring::npos) return RunPieces();
  int runs = 15;
  const size_t at = arguments.find(L"--runs ");
  if (at != std::wstring::npos) runs = std::max(1, _wtoi(arguments.c_str() + at + 7));
  return RunProbe(runs);
}
