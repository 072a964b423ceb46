// The writes of the standard streams go to the system's WriteFile, not the C runtime's write:
// Wine's C runtime fails a write that the destination took only part of (a disk that fills
// up, a pipe whose reader closes it meanwhile) with EINVAL and no count, so that neither the
// full disk nor the bytes already in the file could be told. WriteFile says how many bytes it
// wrote, and the system's own error.
#include "cli/FdSystem.h"

#include <io.h>
#include <windows.h>

#include <cerrno>

namespace tesserin {
namespace {

// One call moves at most this much: WriteFile counts in a DWORD.
constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;

struct ErrorOf {
  DWORD windows;
  int error;
};
// The system's errors that the reader's messages name; any other is an input/output error.
constexpr ErrorOf kErrors[] = {
    {ERROR_DISK_FULL, ENOSPC},  {ERROR_HANDLE_DISK_FULL, ENOSPC}, {ERROR_BROKEN_PIPE, EPIPE},
    {ERROR_NO_DATA, EPIPE},     {ERROR_PIPE_NOT_CONNECTED, EPIPE}, {ERROR_ACCESS_DENIED, EACCES},
    {ERROR_INVALID_HANDLE, EBADF},
};

int ErrnoOf(DWORD windows) {
  for (const ErrorOf& e : kErrors)
    if (e.windows == windows) return e.error;
  return EIO;
}

HANDLE HandleOf(int fd) { return reinterpret_cast<HANDLE>(_get_osfhandle(fd)); }

bool IsFile(HANDLE handle) { return GetFileType(handle) == FILE_TYPE_DISK; }

bool Position(HANDLE handle, long long& at) {
  LARGE_INTEGER position{};
  if (!SetFilePointerEx(handle, LARGE_INTEGER{}, &position, FILE_CURRENT)) return false;
  at = position.QuadPart;
  return true;
}

}  // namespace

// In a file, how far the position moved tells what the disk took where the count says less.
Written WriteSome(int fd, const char* bytes, std::size_t size) {
  const HANDLE handle = HandleOf(fd);
  if (handle == INVALID_HANDLE_VALUE || handle == nullptr) return {0, EBADF};
  long long before = 0;
  const bool file = IsFile(handle) && Position(handle, before);
  DWORD wrote = 0;
  const BOOL ok = WriteFile(handle, bytes, static_cast<DWORD>(size < kMaxTransfer ? size : kMaxTransfer), &wrote, nullptr);
  const DWORD windowsError = ok ? 0 : GetLastError();
  std::size_t took = wrote;
  if (long long after = 0; file && Position(handle, after) && after - before > static_cast<long long>(took) &&
                           after - before <= static_cast<long long>(size))
    took = static_cast<std::size_t>(after - before);
  if (ok && took > 0) return {took};
  if (ok) return {0, EIO};  // nothing taken and nothing said
  const int error = ErrnoOf(windowsError);
  return {took, error, error == EPIPE};
}

bool IsRegularFile(int fd) {
  const HANDLE handle = HandleOf(fd);
  return handle != INVALID_HANDLE_VALUE && handle != nullptr && IsFile(handle);
}

void CutFileEnd(int fd, std::size_t cut) {
  const HANDLE handle = HandleOf(fd);
  long long at = 0;
  if (!Position(handle, at) || at < static_cast<long long>(cut)) return;
  LARGE_INTEGER end{};
  end.QuadPart = at - static_cast<long long>(cut);
  if (SetFilePointerEx(handle, end, nullptr, FILE_BEGIN)) SetEndOfFile(handle);
}

}  // namespace tesserin
