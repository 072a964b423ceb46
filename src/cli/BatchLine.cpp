#include "cli/BatchLine.h"

namespace tesserin {

namespace {

bool IsAsciiText(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

// ASCII is the same bytes in UTF-8 and code page 936: only other text goes through the
// converter.
GbkString ToGbk(std::string_view utf8) { return IsAsciiText(utf8) ? GbkString(utf8) : Gbk(utf8); }
std::string ToUtf8(const GbkString& gbk) { return IsAsciiText(gbk) ? gbk : Utf8(gbk); }

}  // namespace tesserin
