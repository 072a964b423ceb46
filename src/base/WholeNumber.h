// Reading decimal field texts as numbers, the way every number of a reading is read.
#pragma once

#include <optional>
#include <string_view>

namespace tesserin {

// A whole number: optional leading blanks, an optional sign and one or more decimal digits,
// nothing else, within the signed 32-bit range. None for any other text.
std::optional<int> ReadWholeNumber(std::string_view text);
// The same without the short way for the usual field, one to nine digits and nothing else: the
// plain way, which the tests hold ReadWholeNumber equal to and the benchmarks time beside it.
std::optional<int> ReadWholeNumberByTheRule(std::string_view text);

}  // namespace tesserin
