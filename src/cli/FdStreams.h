// Stream buffers over the file descriptors of the standard streams, for the reader's entry. A
// read returns what one read of the descriptor gives, so that the lines of a pipe are answered as
// they come; a failed read or write throws StreamFailure with the system's reason.
#pragma once

#include <memory>
#include <streambuf>
#include <string>

namespace tesserin {

class FdInput : public std::streambuf {
 public:
  FdInput(int fd, const std::string& name);  // name: "standard input"

 protected:
  std::streamsize xsgetn(char* s, std::streamsize n) override;
  int_type underflow() override;

 private:
  std::streamsize ReadSome(char* s, std::streamsize n);

  int fd_;
  std::string failure_;  // "error reading standard input"
  char byte_ = 0;        // the get area of underflow
};

class FdOutput : public std::streambuf {
 public:
  FdOutput(int fd, const std::string& name);  // name: "standard output"

 protected:
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  void WriteAll(const char* s, std::size_t n);
  void WritePending();

  static constexpr std::size_t kBufferSize = 1 << 13;
  int fd_;
  std::string failure_;  // "error writing standard output"
  std::unique_ptr<char[]> buffer_;
};

}  // namespace tesserin
