// UTF-8 decoded one piece at a time, by one rule for the whole program: a piece is a character,
// or a lead byte with the continuation bytes that follow it up to the length the lead byte
// announces (a sequence cut short, an overlong form, an encoded surrogate, a code point beyond
// U+10FFFF), or a byte that starts no sequence. Such a piece is no character, and what follows
// it survives whole.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tesserin {

struct Utf8Piece {
  std::size_t length;                 // in bytes, at least 1
  std::optional<char32_t> character;  // none for a piece that is no character
  bool cutShort = false;              // ended by the end of the text: its other bytes may follow
};

// The piece that starts at `at` (which must be inside the text).
Utf8Piece Utf8PieceAt(std::string_view text, std::size_t at);

// How many bytes the first n pieces of a text take: all of it when it has n pieces or fewer.
// A character is never split.
std::size_t Utf8CharactersPrefix(std::string_view text, std::size_t n);

// A character in UTF-16 at the end of `units` (a string of 16-bit units: std::wstring on
// Windows): one unit, or a surrogate pair beyond U+FFFF.
template <class Units>
void AppendUtf16(char32_t character, Units& units) {
  using Unit = typename Units::value_type;
  if (character < 0x10000) {
    units += static_cast<Unit>(character);
    return;
  }
  character -= 0x10000;
  units += static_cast<Unit>(0xD800 + (character >> 10));
  units += static_cast<Unit>(0xDC00 + (character & 0x3FF));
}

}  // namespace tesserin
