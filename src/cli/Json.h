// JSON strings for the batch reader: every output is valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace tesserin {

// True when every byte is printable ASCII that a JSON string holds as it is.
bool IsPlainJson(std::string_view text);

// `utf8` between quotes, escaped; invalid bytes become U+FFFD.
void AppendJsonString(std::string& out, std::string_view utf8);

}  // namespace tesserin
