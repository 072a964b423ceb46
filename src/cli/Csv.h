// Fields of CSV as RFC 4180 writes them, for the batch's sheet.
#pragma once

#include <string>
#include <string_view>

namespace tesserin {

// `utf8` as one field, in one pass: between quotes, its quotes doubled, when it holds a comma, a
// quote, CR or LF; as it is otherwise. Bytes that are no UTF-8 become U+FFFD, one for each, as
// in the JSON.
void AppendCsvField(std::string& row, std::string_view utf8);

// Whether `text` is a field as it stands: valid UTF-8 without a comma, a quote, CR or LF. The
// program's own pieces are, and go into the sheet unchecked.
bool IsBareCsvField(std::string_view text);

}  // namespace tesserin
