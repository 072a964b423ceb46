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

// The inside of such a string in pieces, for a text too long to be escaped at once: escapes
// `utf8` from byte `from` on until `out` has reached `enough` bytes or the text its end, and
// returns where it stopped (always past `from` when the text goes on). A character is never cut.
std::size_t AppendJsonStringPart(std::string& out, std::string_view utf8, std::size_t from, std::size_t enough);

}  // namespace tesserin
