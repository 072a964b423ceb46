// The Windows build has its own (FdSystem_win.cpp).
#ifndef _WIN32

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

#include "cli/FdSystem.h"

namespace tesserin {

Written WriteSome(int fd, const char* bytes, std::size_t size) {
  const ssize_t wrote = ::write(fd, bytes, size);
  if (wrote > 0) return {static_cast<std::size_t>(wrote)};
  const int error = wrote == 0 ? EIO : errno;
  return {0, error, error == EPIPE};
}

bool IsRegularFile(int fd) {
  struct stat file {};
  return fstat(fd, &file) == 0 && S_ISREG(file.st_mode);
}

void CutFileEnd(int fd, std::size_t cut) {
  const off_t at = lseek(fd, 0, SEEK_CUR);
  if (at < static_cast<off_t>(cut) || ftruncate(fd, at - static_cast<off_t>(cut)) != 0) return;
  lseek(fd, at - static_cast<off_t>(cut), SEEK_SET);
}

}  // namespace tesserin

#endif
