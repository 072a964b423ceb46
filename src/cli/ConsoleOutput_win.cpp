#include "cli/ConsoleOutput_win.h"

#include <cstring>
#include <string>
#include <string_view>

#include "base/Utf8.h"

namespace tesserin {
namespace {

// UTF-8 to UTF-16 by the program's one decoder (base/Utf8.h), up to a character cut short at
// the end unless `all`; returns how many bytes it took. A piece that is no character becomes
// one U+FFFD for each of its bytes, as in the batch's JSON.
std::size_t Utf16Of(std::string_view utf8, bool all, std::wstring& wide) {
  std::size_t at = 0;
  while (at < utf8.size()) {
    const Utf8Piece piece = Utf8PieceAt(utf8, at);
    if (piece.cutShort && !all) break;
    if (piece.character)
      AppendUtf16(*piece.character, wide);
    else
      wide.append(piece.length, L'\xFFFD');
    at += piece.length;
  }
  return at;
}

}  // namespace

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

ConsoleOutput::ConsoleOutput(HANDLE console, OnWriteFailure onFailure)
    : console_(console), onFailure_(onFailure), buffer_(new char[kBufferSize]) {
  setp(buffer_.get(), buffer_.get() + kBufferSize);
}

ConsoleOutput::~ConsoleOutput() {
  try {
    WritePending(true);
  } catch (...) {  // nobody left to tell
  }
}

bool ConsoleOutput::WritePending(bool all) {
  const std::size_t pending = static_cast<std::size_t>(pptr() - pbase());
  std::wstring wide;
  const std::size_t ready = Utf16Of({buffer_.get(), pending}, all, wide);
  std::memmove(buffer_.get(), buffer_.get() + ready, pending - ready);
  setp(buffer_.get(), buffer_.get() + kBufferSize);
  pbump(static_cast<int>(pending - ready));
  for (std::size_t at = 0; at < wide.size();) {
    DWORD written = 0;
    if (!WriteConsoleW(console_, wide.data() + at, static_cast<DWORD>(wide.size() - at), &written, nullptr) ||
        written == 0) {
      const DWORD error = GetLastError();
      if (onFailure_ == OnWriteFailure::kDrop) return false;
      throw StreamFailure::WritingToConsole(error);
    }
    at += written;
  }
  return true;
}

ConsoleOutput::int_type ConsoleOutput::overflow(int_type c) {
  if (!WritePending(false)) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
  }
  return traits_type::not_eof(c);
}

int ConsoleOutput::sync() { return WritePending(false) ? 0 : -1; }

}  // namespace tesserin
