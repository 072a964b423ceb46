// JSON strings for the batch reader: every output is valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tesserin {

// A byte that stands in a JSON string as it is: printable ASCII other than the quote and the
// backslash.
constexpr bool IsPlainJsonByte(unsigned char c) { return c >= 0x20 && c < 0x80 && c != '"' && c != '\\'; }

// `utf8` between quotes, escaped; invalid bytes become U+FFFD.
void AppendJsonString(std::string& out, std::string_view utf8);

}  // namespace tesserin
