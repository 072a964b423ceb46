// Dates as one text: the forms people write them in.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tesserin {

// YYYY-MM-DD or YYYY/M/D: a year of four digits, a month and a day of one or two, the same
// separator twice, blanks (spaces and TABs) before and after alike. The three texts as a reading
// takes them, or none for any other text.
std::optional<std::array<std::string_view, 3>> SplitDateText(std::string_view text);

}  // namespace tesserin
