#include "cli/Csv.h"

#include "base/Utf8.h"

namespace tesserin {

void AppendCsvField(std::string& row, std::string_view utf8) {
  const bool quoted = utf8.find_first_of(",\"\r\n") != std::string_view::npos;
  if (quoted) row += '"';
  for (std::size_t at = 0; at < utf8.size();) {
    const Utf8Piece piece = Utf8PieceAt(utf8, at);
    if (!piece.character) {
      for (std::size_t k = 0; k < piece.length; ++k) row += "\xEF\xBF\xBD";
    } else if (utf8[at] == '"') {
      row += "\"\"";
    } else {
      row.append(utf8.substr(at, piece.length));
    }
    at += piece.length;
  }
  if (quoted) row += '"';
}

}  // namespace tesserin
