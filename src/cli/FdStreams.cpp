#include "cli/FdStreams.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>  // read; mingw-w64 has it too, over the C runtime's descriptors

#include "cli/FdSystem.h"

namespace tesserin {
namespace {

// One read moves at most this much: the C runtime of Windows counts in unsigned int.
constexpr std::streamsize kMaxTransfer = 1 << 30;

}  // namespace

FdInput::FdInput(int fd) : fd_(fd) {}

std::streamsize FdInput::ReadSome(char* s, std::streamsize n) {
  for (;;) {
    const auto got = ::read(fd_, s, static_cast<unsigned>(n < kMaxTransfer ? n : kMaxTransfer));
    if (got >= 0) return got;
    if (errno != EINTR) throw StreamFailure::Reading(errno);
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

FdOutput::FdOutput(int fd, OnWriteFailure onFailure) : fd_(fd), onFailure_(onFailure), buffer_(new char[kBufferSize]) {
  setp(buffer_.get(), buffer_.get() + kBufferSize);
}

bool FdOutput::WriteAll(const char* s, std::size_t n) {
  while (n > 0) {
    const Written wrote = WriteSome(fd_, s, n);
    NoteWritten(s, wrote.bytes);
    s += wrote.bytes;
    n -= wrote.bytes;
    if (wrote.error == EINTR) continue;
    if (wrote.error != 0) {
      CutBackToLineEnd();
      setp(buffer_.get(), buffer_.get() + kBufferSize);  // what could not be written is dropped
      if (onFailure_ == OnWriteFailure::kDrop) return false;
      throw StreamFailure::Writing(wrote.error, wrote.brokenPipe);
    }
  }
  return true;
}

void FdOutput::NoteWritten(const char* s, std::size_t n) {
  for (std::size_t i = n; i > 0; --i) {
    if (s[i - 1] == '\n') {
      sinceLineEnd_ = n - i;
      return;
    }
  }
  sinceLineEnd_ += n;
}

void FdOutput::CutBackToLineEnd() {
  if (sinceLineEnd_ == 0 || !IsRegularFile(fd_)) return;
  CutFileEnd(fd_, sinceLineEnd_);
  sinceLineEnd_ = 0;
}

bool FdOutput::WritePending() {
  const std::size_t pending = static_cast<std::size_t>(pptr() - pbase());
  setp(buffer_.get(), buffer_.get() + kBufferSize);
  return WriteAll(buffer_.get(), pending);
}

// Small pieces gather in the buffer; a large one goes out as it is, after what was gathered.
std::streamsize FdOutput::xsputn(const char* s, std::streamsize n) {
  if (n <= epptr() - pptr()) {
    std::memcpy(pptr(), s, static_cast<std::size_t>(n));
    pbump(static_cast<int>(n));
    return n;
  }
  if (!WritePending()) return 0;
  if (static_cast<std::size_t>(n) >= kBufferSize) return WriteAll(s, static_cast<std::size_t>(n)) ? n : 0;
  std::memcpy(pptr(), s, static_cast<std::size_t>(n));
  pbump(static_cast<int>(n));
  return n;
}

FdOutput::int_type FdOutput::overflow(int_type c) {
  if (!WritePending()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int FdOutput::sync() { return WritePending() ? 0 : -1; }

}  // namespace tesserin
