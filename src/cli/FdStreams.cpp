#include "cli/FdStreams.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>  // read and write; mingw-w64 has them too, over the C runtime's descriptors

namespace tesserin {
namespace {

// One call moves at most this much: the C runtime of Windows counts in unsigned int.
constexpr std::streamsize kMaxTransfer = 1 << 30;

// A reader gone from the pipe on `fd`. The C runtime of Windows reports a pipe whose reader has
// closed it as EINVAL; the system's own code tells: ERROR_BROKEN_PIPE, ERROR_NO_DATA, or under
// Wine, for a pipe of the host system, ERROR_PIPE_NOT_CONNECTED. Wine's C runtime also fails a
// write that the pipe took only part of, with EINVAL and no system code; a blocking pipe takes
// part of a write only when its reader closes it meanwhile.
bool BrokenPipe(int fd, int error) {
#ifdef _WIN32
  constexpr unsigned long kBrokenPipe = 109, kNoData = 232, kPipeNotConnected = 233;
  if (_doserrno == kBrokenPipe || _doserrno == kNoData || _doserrno == kPipeNotConnected) return true;
  struct stat file {};
  if (error == EINVAL && _doserrno == 0 && fstat(fd, &file) == 0 && S_ISFIFO(file.st_mode)) return true;
#else
  (void)fd;
#endif
  return error == EPIPE;
}

// The file's end moved back by `cut` bytes from the current position, and the position with it.
void Truncate(int fd, std::size_t cut) {
#ifdef _WIN32
  const long long at = _lseeki64(fd, 0, SEEK_CUR);
  if (at < static_cast<long long>(cut) || _chsize_s(fd, at - static_cast<long long>(cut)) != 0) return;
  _lseeki64(fd, at - static_cast<long long>(cut), SEEK_SET);
#else
  const off_t at = lseek(fd, 0, SEEK_CUR);
  if (at < static_cast<off_t>(cut) || ftruncate(fd, at - static_cast<off_t>(cut)) != 0) return;
  lseek(fd, at - static_cast<off_t>(cut), SEEK_SET);
#endif
}

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
    const auto wrote = ::write(fd_, s, static_cast<unsigned>(n < kMaxTransfer ? n : kMaxTransfer));
    if (wrote < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      const bool brokenPipe = BrokenPipe(fd_, error);
      CutBackToLineEnd();
      setp(buffer_.get(), buffer_.get() + kBufferSize);  // what could not be written is dropped
      if (onFailure_ == OnWriteFailure::kDrop) return false;
      throw StreamFailure::Writing(error, brokenPipe);
    }
    NoteWritten(s, static_cast<std::size_t>(wrote));
    s += wrote;
    n -= static_cast<std::size_t>(wrote);
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
  struct stat file {};
  if (sinceLineEnd_ == 0 || fstat(fd_, &file) != 0 || !S_ISREG(file.st_mode)) return;
  Truncate(fd_, sinceLineEnd_);
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
