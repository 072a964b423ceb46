// Runs a test program at another system DPI: sets the Wine prefix's (or the user's) LogPixels to
// the given value, runs the program, waits for it and puts the old value back. A program reads
// the system DPI when it starts, so the programs it starts see the new value too. Wine reports
// the system DPI for every monitor and does not stretch windows that are not DPI aware.
//
//   with_system_dpi DPI PROGRAM [ARG...]     (a Linux path is taken as Wine's drive Z:)
// Exit code: the program's, or 2 when it cannot be run.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

namespace {

constexpr wchar_t kKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kValue[] = L"LogPixels";

std::optional<DWORD> ReadLogPixels() {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, kKey, kValue, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

void WriteLogPixels(std::optional<DWORD> dpi) {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  if (dpi) {
    RegSetValueExW(key, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&*dpi), sizeof *dpi);
  } else {
    RegDeleteValueW(key, kValue);
  }
  RegCloseKey(key);
}

std::wstring Quoted(std::wstring arg) {
  if (!arg.empty() && arg[0] == L'/') {  // a Linux path
    for (wchar_t& c : arg) c = c == L'/' ? L'\\' : c;
    arg = L"Z:" + arg;
  }
  return L"\"" + arg + L"\"";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: with_system_dpi DPI PROGRAM [ARG...]\n");
    return 2;
  }
  std::wstring command = Quoted(argv[2]);
  for (int i = 3; i < argc; ++i) command += L" " + Quoted(argv[i]);

  const std::optional<DWORD> before = ReadLogPixels();
  WriteLogPixels(static_cast<DWORD>(_wtoi(argv[1])));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  DWORD code = 2;
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  } else {
    std::fprintf(stderr, "with_system_dpi: cannot run the program\n");
  }
  WriteLogPixels(before);
  return static_cast<int>(code);
}
