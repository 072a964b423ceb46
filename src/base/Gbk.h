// Text in code page 936 (GBK). All logic of the reading works on these bytes: positions,
// lengths, searches and comparisons are byte-exact. This module is the one place where text
// crosses between code page 936 and the encodings of the outside world.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tesserin {

using GbkString = std::string;

// UTF-8 to code page 936. A character that code page 936 lacks, and a byte that is not valid
// UTF-8, becomes "?".
GbkString Gbk(std::string_view utf8);

// Code page 936 to UTF-8. A byte sequence that is not valid code page 936 becomes U+FFFD.
std::string Utf8(std::string_view gbk);

// How many bytes the first n characters of a code page 936 text take: a lead byte (0x81 and
// up) takes the byte after it, so that a double-byte character is never split. All of the text
// when it has n characters or fewer.
inline std::size_t GbkCharactersPrefix(std::string_view gbk, std::size_t n) {
  std::size_t at = 0;
  for (std::size_t characters = 0; at < gbk.size() && characters < n; ++characters)
    at += static_cast<unsigned char>(gbk[at]) >= 0x81 && at + 1 < gbk.size() ? 2 : 1;
  return at;
}

#ifdef _WIN32
// Code page 936 to and from UTF-16, for the Win32 W functions; the same replacement rules.
std::wstring WideFromGbk(std::string_view gbk);
GbkString GbkFromWide(std::wstring_view wide);
#endif

}  // namespace tesserin
