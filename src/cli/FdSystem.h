// The system's side of the standard streams' buffers (FdStreams.h): one write to a descriptor,
// which says how much of it the destination took, and a regular file cut back. POSIX in
// FdSystem_posix.cpp, Windows in FdSystem_win.cpp.
#pragma once

#include <cstddef>

namespace tesserin {

// What one write did: the bytes the destination took (also when it then failed), and why it
// failed (an errno value; 0: it took some of the bytes, or all).
struct Written {
  std::size_t bytes = 0;
  int error = 0;
  bool brokenPipe = false;  // the reader of a pipe has gone
};

// At most `size` bytes of `bytes` to descriptor `fd`; a write that took nothing fails.
Written WriteSome(int fd, const char* bytes, std::size_t size);

bool IsRegularFile(int fd);

// The file's end moved back by `cut` bytes from the current position, and the position with it.
void CutFileEnd(int fd, std::size_t cut);

}  // namespace tesserin
