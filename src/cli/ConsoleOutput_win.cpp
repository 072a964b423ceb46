#include "cli/ConsoleOutput_win.h"

#include <cstring>

#include "cli/StreamFailure.h"

namespace tesserin {
namespace {

// How many bytes at the end of `bytes` are the start of a UTF-8 character whose other bytes
// have not come yet.
std::size_t CutCharacter(const char* bytes, std::size_t size) {
  for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
    const auto b = static_cast<unsigned char>(bytes[size - back]);
    if ((b & 0xC0) == 0x80) continue;  // a continuation byte: the start is further back
    const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    return length > back ? back : 0;
  }
  return 0;
}

}  // namespace

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

ConsoleOutput::ConsoleOutput(HANDLE console, const std::string& name)
    : console_(console), failure_("error writing " + name + " to the console"), buffer_(new char[kBufferSize]) {
  setp(buffer_.get(), buffer_.get() + kBufferSize);
}

ConsoleOutput::~ConsoleOutput() {
  try {
    WritePending(true);
  } catch (const StreamFailure&) {  // nobody left to tell
  }
}

void ConsoleOutput::WritePending(bool all) {
  const std::size_t pending = static_cast<std::size_t>(pptr() - pbase());
  const std::size_t cut = all ? 0 : CutCharacter(buffer_.get(), pending);
  const std::size_t ready = pending - cut;
  // Invalid bytes become U+FFFD, as they do in the reader's UTF-8.
  std::wstring wide(ready, L'\0');
  const int units = ready == 0 ? 0
                                : MultiByteToWideChar(CP_UTF8, 0, buffer_.get(), static_cast<int>(ready), wide.data(),
                                                      static_cast<int>(wide.size()));
  std::memmove(buffer_.get(), buffer_.get() + ready, cut);
  setp(buffer_.get(), buffer_.get() + kBufferSize);
  pbump(static_cast<int>(cut));
  for (int at = 0; at < units;) {
    DWORD written = 0;
    if (!WriteConsoleW(console_, wide.data() + at, static_cast<DWORD>(units - at), &written, nullptr) || written == 0)
      throw StreamFailure(failure_ + " (Windows error " + std::to_string(GetLastError()) + ")");
    at += static_cast<int>(written);
  }
}

ConsoleOutput::int_type ConsoleOutput::overflow(int_type c) {
  WritePending(false);
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int ConsoleOutput::sync() {
  WritePending(false);
  return 0;
}

}  // namespace tesserin
