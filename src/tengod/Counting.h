// The counting and containment tests that every index shares. They work on the bytes of code
// page 936 text and see what the bytes say, also where a match straddles two characters.
#pragma once

#include <string_view>

namespace tesserin {

// Counts the 2-byte pieces taken at odd byte positions 1, 3, ... that equal `unit`. The pieces
// run one step past half the length (rounded half to even), so an odd text's last piece is its
// last byte alone, and the last piece may be empty.
int CountUnits(std::string_view text, std::string_view unit);

// The same with 4-byte pieces, so the windows overlap by one character.
int CountPairs(std::string_view text, std::string_view pair);

// 1 when `part` occurs anywhere in `text` (at any byte offset), else 0; an empty part gives 0.
int ContainsText(std::string_view text, std::string_view part);

}  // namespace tesserin
