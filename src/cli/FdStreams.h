// Stream buffers over the file descriptors of the standard streams, for the reader's entry. A
// read returns what one read of the descriptor gives, so that the lines of a pipe are answered as
// they come; a failed read throws StreamFailure with the system's code, and a failed write does
// what the output was made for (OnWriteFailure).
#pragma once

#include <memory>
#include <streambuf>

#include "cli/StreamFailure.h"

namespace tesserin {

class FdInput : public std::streambuf {
 public:
  explicit FdInput(int fd);

 protected:
  std::streamsize xsgetn(char* s, std::streamsize n) override;
  int_type underflow() override;

 private:
  std::streamsize ReadSome(char* s, std::streamsize n);

  int fd_;
  char byte_ = 0;  // the get area of underflow
};

// Where the system took only part of a write and then failed (a full disk), a regular file is
// cut back to the last line end written through this buffer, so that it holds whole lines; a
// pipe or a terminal has passed on what it took. How much each write took, and why it failed,
// the system tells (FdSystem.h).
class FdOutput : public std::streambuf {
 public:
  FdOutput(int fd, OnWriteFailure onFailure);

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool WriteAll(const char* s, std::size_t n);  // false: failed and dropped
  bool WritePending();
  void NoteWritten(const char* s, std::size_t n);
  void CutBackToLineEnd();

  static constexpr std::size_t kBufferSize = 1 << 13;
  int fd_;
  OnWriteFailure onFailure_;
  std::unique_ptr<char[]> buffer_;
  std::size_t sinceLineEnd_ = 0;  // bytes written after the last line end
};

}  // namespace tesserin
