// Preloaded into tesserin-cli (LD_PRELOAD) by the tests of its streams, as a failing disk:
// - reads of standard input fail with EIO once TESSERIN_READ_FAULT_AFTER bytes have been read;
// - writes to standard output fail with ENOSPC once TESSERIN_WRITE_FAULT_AFTER bytes have been
//   written. With TESSERIN_WRITE_FAULT=shorten the write that reaches the limit is taken up to
//   it, as a full disk takes part of a write; otherwise ("refuse") it is refused whole.
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

// The bytes left before the fault, or none (nullptr) without the variable.
struct Budget {
  explicit Budget(const char* variable) : set(std::getenv(variable) != nullptr) {
    if (set) left = std::strtoull(std::getenv(variable), nullptr, 10);
  }
  bool set;
  size_t left = 0;
};

template <class Call>
Call Real(const char* name) {
  return reinterpret_cast<Call>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" ssize_t read(int fd, void* buffer, size_t count) {
  using Read = ssize_t (*)(int, void*, size_t);
  static const Read real = Real<Read>("read");
  static Budget budget("TESSERIN_READ_FAULT_AFTER");
  if (fd != 0 || !budget.set) return real(fd, buffer, count);
  if (budget.left == 0) {
    errno = EIO;
    return -1;
  }
  const ssize_t got = real(fd, buffer, std::min(count, budget.left));
  if (got > 0) budget.left -= static_cast<size_t>(got);
  return got;
}

extern "C" ssize_t write(int fd, const void* buffer, size_t count) {
  using Write = ssize_t (*)(int, const void*, size_t);
  static const Write real = Real<Write>("write");
  static Budget budget("TESSERIN_WRITE_FAULT_AFTER");
  static const bool shorten = std::getenv("TESSERIN_WRITE_FAULT") && std::strcmp(std::getenv("TESSERIN_WRITE_FAULT"), "shorten") == 0;
  if (fd != 1 || !budget.set || count == 0) return real(fd, buffer, count);
  if (budget.left == 0 || (count > budget.left && !shorten)) {
    budget.left = 0;
    errno = ENOSPC;
    return -1;
  }
  const ssize_t wrote = real(fd, buffer, std::min(count, budget.left));
  if (wrote > 0) budget.left -= static_cast<size_t>(wrote);
  return wrote;
}
