#include "cli/FdStreams.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <unistd.h>  // read and write; mingw-w64 has them too, over the C runtime's descriptors

#include "cli/StreamFailure.h"

namespace tesserin {
namespace {

// One call moves at most this much: the C runtime of Windows counts in unsigned int.
constexpr std::streamsize kMaxTransfer = 1 << 30;

std::string Reason(const std::string& failure, int error) { return failure + ": " + std::strerror(error); }

// A reader gone from the pipe. The C runtime of Windows reports a pipe whose reader has closed it
// (ERROR_NO_DATA) as EINVAL; its own code tells.
bool BrokenPipe(int error) {
#ifdef _WIN32
  constexpr unsigned long kBrokenPipe = 109, kNoData = 232;  // ERROR_BROKEN_PIPE, ERROR_NO_DATA
  if (_doserrno == kBrokenPipe || _doserrno == kNoData) return true;
#endif
  return error == EPIPE;
}

}  // namespace

FdInput::FdInput(int fd, const std::string& name) : fd_(fd), failure_("error reading " + name) {}

std::streamsize FdInput::ReadSome(char* s, std::streamsize n) {
  for (;;) {
    const auto got = ::read(fd_, s, static_cast<unsigned>(n < kMaxTransfer ? n : kMaxTransfer));
    if (got >= 0) return got;
    if (errno != EINTR) throw StreamFailure(Reason(failure_, errno));
  }
}

std::streamsize FdInput::xsgetn(char* s, std::streamsize n) {
  if (n <= 0) return 0;
  if (gptr() < egptr()) {  // the byte underflow read
    *s = *gptr();
    gbump(1);
    return 1;
  }
  return ReadSome(s, n);
}

FdInput::int_type FdInput::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (ReadSome(&byte_, 1) == 0) return traits_type::eof();
  setg(&byte_, &byte_, &byte_ + 1);
  return traits_type::to_int_type(byte_);
}

FdOutput::FdOutput(int fd, const std::string& name)
    : fd_(fd), failure_("error writing " + name), buffer_(new char[kBufferSize]) {
  setp(buffer_.get(), buffer_.get() + kBufferSize);
}

void FdOutput::WriteAll(const char* s, std::size_t n) {
  while (n > 0) {
    const auto wrote = ::write(fd_, s, static_cast<unsigned>(n < kMaxTransfer ? n : kMaxTransfer));
    if (wrote < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      setp(buffer_.get(), buffer_.get() + kBufferSize);  // what could not be written is dropped
      throw StreamFailure(Reason(failure_, error), BrokenPipe(error));
    }
    s += wrote;
    n -= static_cast<std::size_t>(wrote);
  }
}

void FdOutput::WritePending() {
  const std::size_t pending = static_cast<std::size_t>(pptr() - pbase());
  setp(buffer_.get(), buffer_.get() + kBufferSize);
  WriteAll(buffer_.get(), pending);
}

// Small pieces gather in the buffer; a large one goes out as it is, after what was gathered.
std::streamsize FdOutput::xsputn(const char* s, std::streamsize n) {
  if (n <= epptr() - pptr()) {
    std::memcpy(pptr(), s, static_cast<std::size_t>(n));
    pbump(static_cast<int>(n));
    return n;
  }
  WritePending();
  if (static_cast<std::size_t>(n) >= kBufferSize) {
    WriteAll(s, static_cast<std::size_t>(n));
  } else {
    std::memcpy(pptr(), s, static_cast<std::size_t>(n));
    pbump(static_cast<int>(n));
  }
  return n;
}

FdOutput::int_type FdOutput::overflow(int_type c) {
  WritePending();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int FdOutput::sync() {
  WritePending();
  return 0;
}

}  // namespace tesserin
