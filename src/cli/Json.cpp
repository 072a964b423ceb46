#include "cli/Json.h"

#include <algorithm>

#include "base/Utf8.h"

namespace tesserin {

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
    } else if (const Utf8Piece piece = Utf8PieceAt(utf8, i); piece.character) {
      out.append(utf8.substr(i, piece.length));
      i += piece.length;
    } else {
      out += "\xEF\xBF\xBD";  // one for each byte of a piece that is no character
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
