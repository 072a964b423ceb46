// Preloaded into tesserin-cli (LD_PRELOAD) by the tests of its input: reads of standard input
// fail with EIO once TESSERIN_READ_FAULT_AFTER bytes have been read, as from a failing disk.
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

extern "C" ssize_t read(int fd, void* buffer, size_t count) {
  using Read = ssize_t (*)(int, void*, size_t);
  static const Read real = reinterpret_cast<Read>(dlsym(RTLD_NEXT, "read"));
  static const char* after = std::getenv("TESSERIN_READ_FAULT_AFTER");
  static size_t left = after ? std::strtoull(after, nullptr, 10) : 0;
  if (fd != 0 || !after) return real(fd, buffer, count);
  if (left == 0) {
    errno = EIO;
    return -1;
  }
  const ssize_t got = real(fd, buffer, std::min(count, left));
  if (got > 0) left -= static_cast<size_t>(got);
  return got;
}
