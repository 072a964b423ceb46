// Text in code page 936 (GBK). All logic of the reading works on these bytes: positions,
// lengths, searches and comparisons are byte-exact. This module is the one place where text
// crosses between code page 936 and the encodings of the outside world.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tesserin {

using GbkString = std::string;

// The two encodings of the program's own texts: code page 936, which the reading and the window
// work in, and UTF-8, which the source is written in and the command-line reader writes.
enum class TextEncoding { kGbk, kUtf8 };

// UTF-8 to code page 936. A character that code page 936 lacks, and a byte that is not valid
// UTF-8, becomes "?".
GbkString Gbk(std::string_view utf8);

// Code page 936 to UTF-8. A byte sequence that is not valid code page 936 becomes U+FFFD.
std::string Utf8(std::string_view gbk);

#ifdef _WIN32
// Code page 936 to and from UTF-16, for the Win32 W functions; the same replacement rules.
std::wstring WideFromGbk(std::string_view gbk);
GbkString GbkFromWide(std::wstring_view wide);
#endif

}  // namespace tesserin
