// Output to a Windows console: the UTF-8 the reader writes goes to the console as UTF-16
// through WriteConsoleW, so that Chinese shows right whatever the console's code page.
#pragma once

#include <windows.h>

#include <memory>
#include <streambuf>
#include <string>

namespace tesserin {

// True when `handle` is a console rather than a file or a pipe.
bool IsConsole(HANDLE handle);

class ConsoleOutput : public std::streambuf {
 public:
  ConsoleOutput(HANDLE console, const std::string& name);  // name: "standard output"
  ~ConsoleOutput() override;

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  // Writes what has gathered but a character cut at its end, which waits for its other bytes
  // (the reader hands its output on in blocks, which may cut a character); `all` writes that too.
  void WritePending(bool all);

  static constexpr std::size_t kBufferSize = 1 << 12;
  HANDLE console_;
  std::string failure_;
  std::unique_ptr<char[]> buffer_;
};

}  // namespace tesserin
