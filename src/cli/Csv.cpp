#include "cli/Csv.h"

#include "base/Utf8.h"

namespace tesserin {
namespace {

constexpr bool IsSpecial(char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; }

// ASCII that stands in a field as it is, quoted or not.
constexpr bool IsBareAscii(char c) { return static_cast<unsigned char>(c) < 0x80 && !IsSpecial(c); }

}  // namespace

void AppendCsvField(std::string& row, std::string_view utf8) {
  const std::size_t start = row.size();
  bool quoted = false;
  for (std::size_t at = 0; at < utf8.size();) {
    std::size_t run = at;
    while (run < utf8.size() && IsBareAscii(utf8[run])) ++run;
    row.append(utf8.data() + at, run - at);
    if (run == utf8.size()) break;
    at = run;
    if (IsSpecial(utf8[at])) {
      quoted = true;
      row.append(utf8[at] == '"' ? 2 : 1, utf8[at]);
      ++at;
      continue;
    }
    const Utf8Piece piece = Utf8PieceAt(utf8, at);
    if (piece.character) {
      row.append(utf8.data() + at, piece.length);
    } else {
      for (std::size_t k = 0; k < piece.length; ++k) row += "\xEF\xBF\xBD";
    }
    at += piece.length;
  }
  if (quoted) {  // rare: the field moves once to make room for its opening quote
    row.insert(start, 1, '"');
    row += '"';
  }
}

bool IsBareCsvField(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    if (IsSpecial(text[at])) return false;
    const Utf8Piece piece = Utf8PieceAt(text, at);
    if (!piece.character) return false;
    at += piece.length;
  }
  return true;
}

}  // namespace tesserin
