// tesserin-cli.exe with its standard output and error on a console that the test makes, of code
// page 936 as on a Chinese Windows, read back from the console's screen; on pipes, and on pipes
// and handles that cannot be written. The console output itself, byte by byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "WorkedReadings.h"
#include "cli/ConsoleOutput_win.h"

namespace tesserin {
namespace {

// The six lines of the worked reading of lunar 1990-05-12.
const std::string kSixLines = [](const testing::WorkedReading& r) {
  return std::string(r.pillarLine) + "\n性格总论：" + r.personality + "\n性欲指数：" + r.libido + "\n可约指数：" + r.date +
         "\n善良指数：" + r.kindness + "\n要钱指数：" + r.money + "\n";
}(testing::kLunar1990_5_12);
const char* const kYearMessage = "本程序只计算1950～2025年间的数据\n";

std::string Utf8(const std::wstring& wide) {
  std::string text(wide.size() * 3, '\0');
  text.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                                  static_cast<int>(text.size()), nullptr, nullptr));
  return text;
}

// Starts the reader with the given standard handles and returns its exit code.
DWORD RunReader(const std::wstring& arguments, HANDLE in, HANDLE out, HANDLE err) {
  const char* path = std::getenv("TESSERIN_CLI");
  EXPECT_NE(nullptr, path) << "run by CTest, which names the reader";
  std::wstring command = L"\"" + std::wstring(path, path + std::strlen(path)) + L"\" " + arguments;
  STARTUPINFOW start{};
  start.cb = sizeof start;
  start.dwFlags = STARTF_USESTDHANDLES;
  start.hStdInput = in, start.hStdOutput = out, start.hStdError = err;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process)) {
    ADD_FAILURE() << "CreateProcessW: " << GetLastError();
    return ~DWORD{0};
  }
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 30000));
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

// The lines of a console's screen up to its cursor, blanks at their ends left off, and what
// stands before the cursor on its line.
std::wstring ScreenOf(HANDLE screen) {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  GetConsoleScreenBufferInfo(screen, &info);
  std::wstring text;
  for (SHORT row = 0; row <= info.dwCursorPosition.Y; ++row) {
    std::wstring line(info.dwSize.X, L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, line.data(), info.dwSize.X, COORD{0, row}, &read);
    if (row == info.dwCursorPosition.Y) {
      line.resize(info.dwCursorPosition.X);
    } else {
      line.resize(line.find_last_not_of(L' ') + 1);
      line += L'\n';
    }
    text += line;
  }
  return text;
}

struct Shown {
  DWORD exitCode;
  std::string screen;  // the console's lines, blanks at their ends left off
  UINT codePage;       // the console's output code page afterwards
};

// A console of the test's own for the scope, in place of the one the test started with; that one
// and the standard handles are put back at its end.
class NewConsole {
 public:
  NewConsole() {
    FreeConsole();
    allocated = AllocConsole() != FALSE;
  }
  ~NewConsole() {
    FreeConsole();
    SetStdHandle(STD_INPUT_HANDLE, saved_[0]);
    SetStdHandle(STD_OUTPUT_HANDLE, saved_[1]);
    SetStdHandle(STD_ERROR_HANDLE, saved_[2]);
  }
  NewConsole(const NewConsole&) = delete;
  NewConsole& operator=(const NewConsole&) = delete;

  bool allocated = false;

 private:
  const HANDLE saved_[3] = {GetStdHandle(STD_INPUT_HANDLE), GetStdHandle(STD_OUTPUT_HANDLE),
                            GetStdHandle(STD_ERROR_HANDLE)};
};

// The reader on a new console of code page 936, both output streams on it.
Shown OnConsole(const std::wstring& arguments) {
  const NewConsole console;
  EXPECT_TRUE(console.allocated);
  SetConsoleOutputCP(936);
  SetConsoleCP(936);
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  auto open = [&](const wchar_t* name) {
    return CreateFileW(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                       OPEN_EXISTING, 0, nullptr);
  };
  HANDLE in = open(L"CONIN$"), screen = open(L"CONOUT$");
  Shown shown{RunReader(arguments, in, screen, screen), "", GetConsoleOutputCP()};
  shown.screen = Utf8(ScreenOf(screen));
  CloseHandle(in);
  CloseHandle(screen);
  return shown;
}

TEST(ConsoleOutput, ChineseShowsOnAConsoleOfCodePage936) {
  struct Case {
    const wchar_t* arguments;
    DWORD exitCode;
    std::string screen;
  };
  const Case kCases[] = {
      {L"1949 1 1", 2, kYearMessage},  // standard error
      {L"1990 5 12", 0, kSixLines},
      {L"--verbose 1990-05-12", 0, kSixLines + "solar_date: 1990-06-04 read_as: lunar\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(Utf8(c.arguments));
    Shown shown = OnConsole(c.arguments);
    EXPECT_EQ(c.exitCode, shown.exitCode);
    EXPECT_EQ(c.screen, shown.screen);
    EXPECT_EQ(936u, shown.codePage) << "the reader changed the console's code page";
  }
}

struct Piped {
  DWORD exitCode;
  std::string out, err;
};

// How standard error is given to the reader.
enum class ErrorStream { kPipe, kClosed, kReaderGone };

// The reader with its output streams on two pipes, each read to its end meanwhile; or standard
// error closed, or a pipe whose reader has gone.
Piped OnPipes(const std::wstring& arguments, const std::string& input = "", std::size_t readOnly = SIZE_MAX,
              ErrorStream errorStream = ErrorStream::kPipe) {
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE outRead, outWrite, errRead, errWrite;
  EXPECT_TRUE(CreatePipe(&outRead, &outWrite, &inherited, 0));
  EXPECT_TRUE(CreatePipe(&errRead, &errWrite, &inherited, 0));
  SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
  // Reads to the end, or closes the pipe after `most` bytes as a reader that stops early does.
  auto drain = [](HANDLE& pipe, std::string& bytes, std::size_t most) {
    char buffer[4096];
    DWORD got = 0;
    while (bytes.size() < most && ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(pipe);
  };
  Piped piped{};
  if (errorStream == ErrorStream::kReaderGone) CloseHandle(errRead);
  std::thread errReader([&] {
    if (errorStream != ErrorStream::kReaderGone) drain(errRead, piped.err, SIZE_MAX);
  });
  std::thread outReader([&] { drain(outRead, piped.out, readOnly); });
  // Standard input: a file of `input`, deleted when closed.
  wchar_t folder[MAX_PATH], path[MAX_PATH];
  GetTempPathW(MAX_PATH, folder);
  GetTempFileNameW(folder, L"tcl", 0, path);
  HANDLE in = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                          FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  DWORD written = 0;
  WriteFile(in, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
  SetFilePointer(in, 0, nullptr, FILE_BEGIN);
  piped.exitCode = RunReader(arguments, in, outWrite, errorStream == ErrorStream::kClosed ? nullptr : errWrite);
  CloseHandle(outWrite);
  CloseHandle(errWrite);
  outReader.join();
  errReader.join();
  CloseHandle(in);
  return piped;
}

// Redirected, both streams carry UTF-8 with lines ending in LF alone.
TEST(ConsoleOutput, PipesGetUtf8WithTheSameLineEnds) {
  Piped reading = OnPipes(L"1990 5 12");
  EXPECT_EQ(0u, reading.exitCode);
  EXPECT_EQ(kSixLines, reading.out);
  EXPECT_EQ("", reading.err);

  Piped refusal = OnPipes(L"1949 1 1");
  EXPECT_EQ(2u, refusal.exitCode);
  EXPECT_EQ("", refusal.out);
  EXPECT_EQ(kYearMessage, refusal.err);

  Piped usage = OnPipes(L"1990");
  EXPECT_EQ(64u, usage.exitCode);
  EXPECT_EQ(0u, usage.err.find("tesserin-cli: expected YEAR MONTH DAY"));
  EXPECT_NE(std::string::npos, usage.err.find("\nUsage: tesserin-cli"));
  EXPECT_EQ(std::string::npos, usage.err.find('\r'));
}

// A reader that closes the pipe early, as head does, gets no message: the failed write ends the
// batch with status 74.
TEST(ConsoleOutput, AReaderThatStopsEarlyGetsNoMessage) {
  std::string lines;
  for (int i = 0; i < 20000; ++i) lines += "1990\t5\t12\tlunar\n";
  Piped piped = OnPipes(L"--batch", lines, 1);
  EXPECT_EQ(74u, piped.exitCode);
  EXPECT_EQ("", piped.err);
  EXPECT_EQ(0u, piped.out.find("{\"year\":\"1990\""));
}

// Standard error that cannot be written: the message is lost, the exit status stays what it
// would have been, and nothing aborts.
TEST(ConsoleOutput, StandardErrorThatCannotBeWrittenKeepsTheExitStatus) {
  struct Case {
    const wchar_t* arguments;
    DWORD exitCode;
  };
  const Case kCases[] = {{L"1900 1 1", 2}, {L"--bogus", 64}, {L"", 64}, {L"1990-05-12", 0}};
  for (ErrorStream stream : {ErrorStream::kClosed, ErrorStream::kReaderGone}) {
    for (const Case& c : kCases) {
      SCOPED_TRACE(Utf8(c.arguments) + (stream == ErrorStream::kClosed ? ", closed" : ", reader gone"));
      Piped piped = OnPipes(c.arguments, "", SIZE_MAX, stream);
      EXPECT_EQ(c.exitCode, piped.exitCode);
    }
  }
  // Both outputs gone: the failed output's status.
  Piped piped = OnPipes(L"--batch", "1990\t5\t12\tlunar\n", 0, ErrorStream::kReaderGone);
  EXPECT_EQ(74u, piped.exitCode);
}

// The console output decodes UTF-8 by the program's one rule: a character cut between two
// writes waits for its other bytes, and each byte of a piece that is no character shows as
// U+FFFD, as in the batch's JSON.
TEST(ConsoleOutput, DecodesUtf8AsTheJsonWriterDoes) {
  struct Case {
    const char* what;
    std::vector<std::string> writes;  // each flushed on its own
    std::wstring shown;
  };
  const Case kCases[] = {
      {"Chinese", {"八字：庚午"}, L"八字：庚午"},
      {"a character cut between writes", {"\xE4", "\xB8\xAD"}, L"中"},
      {"a pair of surrogates", {"\xF0\x9D", "\x95\x8D"}, L"\xD835\xDD4D"},
      {"a byte that starts no sequence, cut", {"\xC1", "\x81"}, L"\xFFFD\xFFFD"},
      {"an overlong form", {"\xC0\x80" "A"}, L"\xFFFD\xFFFD" L"A"},
      {"a sequence cut short by a letter", {"\xE4\xB8" "A"}, L"\xFFFD\xFFFD" L"A"},
      {"an encoded surrogate", {"\xED\xA0\x80"}, L"\xFFFD\xFFFD\xFFFD"},
      {"beyond U+10FFFF", {"\xF4\x90\x80\x80"}, L"\xFFFD\xFFFD\xFFFD\xFFFD"},
      {"a sequence left open at the end", {"A\xE4\xB8"}, L"A\xFFFD\xFFFD"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const NewConsole newConsole;
    ASSERT_TRUE(newConsole.allocated);
    HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    {
      ConsoleOutput console(screen, OnWriteFailure::kThrow);
      std::ostream out(&console);
      for (const std::string& bytes : c.writes) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush();
    }  // the end of the output: what was left open
    EXPECT_EQ(c.shown, ScreenOf(screen));
    CloseHandle(screen);
  }
}

}  // namespace
}  // namespace tesserin
