#include "cli/Json.h"

#include <algorithm>

namespace tesserin {
namespace {

// Length of the valid UTF-8 sequence at the start of `s`, or 0 when it is not one.
std::size_t ValidSequence(std::string_view s) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  auto continuation = [&](std::size_t i) { return i < s.size() && (byte(i) & 0xC0) == 0x80; };
  unsigned char b = byte(0);
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) return continuation(1) ? 2 : 0;
  if (b >= 0xE0 && b <= 0xEF) {
    if (!continuation(1) || !continuation(2)) return 0;
    if (b == 0xE0 && byte(1) < 0xA0) return 0;  // overlong
    if (b == 0xED && byte(1) > 0x9F) return 0;  // surrogates
    return 3;
  }
  if (b >= 0xF0 && b <= 0xF4) {
    if (!continuation(1) || !continuation(2) || !continuation(3)) return 0;
    if (b == 0xF0 && byte(1) < 0x90) return 0;
    if (b == 0xF4 && byte(1) > 0x8F) return 0;
    return 4;
  }
  return 0;
}


}  // namespace

std::size_t AppendJsonStringPart(std::string& out, std::string_view utf8, std::size_t from, std::size_t enough) {
  static const char kHex[] = "0123456789abcdef";
  std::size_t i = from;
  while (i < utf8.size() && (i == from || out.size() < enough)) {
    // A run of printable ASCII that needs no escape goes in at once, as far as there is room.
    const std::size_t room = out.size() < enough ? enough - out.size() : 1;
    const std::size_t runEnd = i + std::min(room, utf8.size() - i);
    std::size_t plain = i;
    while (plain < runEnd && IsPlainJsonByte(static_cast<unsigned char>(utf8[plain]))) ++plain;
    if (plain > i) {
      out.append(utf8.substr(i, plain - i));
      i = plain;
      continue;
    }
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
      ++i;
    } else if (c == '\n' || c == '\r' || c == '\t') {
      out += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
      ++i;
    } else if (c < 0x20) {
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 15];
      ++i;
    } else if (std::size_t n = ValidSequence(utf8.substr(i)); n > 0) {
      out.append(utf8.substr(i, n));
      i += n;
    } else {
      out += "\xEF\xBF\xBD";
      ++i;
    }
  }
  return i;
}

void AppendJsonString(std::string& out, std::string_view utf8) {
  out += '"';
  AppendJsonStringPart(out, utf8, 0, std::string::npos);
  out += '"';
}

}  // namespace tesserin
