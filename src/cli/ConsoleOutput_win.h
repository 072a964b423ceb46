// Output to a Windows console: the UTF-8 the reader writes goes to the console as UTF-16
// through WriteConsoleW, so that Chinese shows right whatever the console's code page.
#pragma once

#include <windows.h>

#include <memory>
#include <streambuf>

#include "cli/StreamFailure.h"

namespace tesserin {

// True when `handle` is a console rather than a file or a pipe.
bool IsConsole(HANDLE handle);

class ConsoleOutput : public std::streambuf {
 public:
  ConsoleOutput(HANDLE console, OnWriteFailure onFailure);
  ~ConsoleOutput() override;

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  // Writes what has gathered but a character cut at its end, which waits for its other bytes
  // (the reader hands its output on in blocks, which may cut a character); `all` writes that too.
  // False: the console refused it, and it was dropped.
  bool WritePending(bool all);

  static constexpr std::size_t kBufferSize = 1 << 12;
  HANDLE console_;
  OnWriteFailure onFailure_;
  std::unique_ptr<char[]> buffer_;
};

}  // namespace tesserin
