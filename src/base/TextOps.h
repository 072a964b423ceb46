// Byte-wise text operations on code page 936 text, with 1-based positions where a caller counts
// bytes as the readings do. A piece that reaches past the end is as long as the text allows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tesserin {

// The `length` bytes that start at 1-based byte `position`; shorter or empty past the end.
inline std::string_view Bytes(std::string_view text, std::size_t position, std::size_t length) {
  if (position == 0 || position > text.size()) return {};
  return text.substr(position - 1, length);
}

// Byte-exact equality. The texts of a reading are a few bytes long, where a plain loop beats a
// call into the library's memcmp.
inline bool SameBytes(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) return false;
  return true;
}

// The bytes of a 2-byte character (or the first two bytes of a text) as one number, for quick
// comparison with known characters.
inline std::uint16_t CodeOf(std::string_view twoBytes) {
  std::uint16_t code = 0;
  if (twoBytes.size() >= 2) std::memcpy(&code, twoBytes.data(), 2);
  return code;
}

// 0-based offset of the first occurrence of `part`, or npos. An empty part is never found.
inline std::size_t FindBytes(std::string_view text, std::string_view part) {
  if (part.empty() || part.size() > text.size()) return std::string_view::npos;
  if (text.size() > 32) return text.find(part);  // the library's search wins on longer texts
  for (std::size_t at = 0; at + part.size() <= text.size(); ++at)
    if (text[at] == part[0] && SameBytes(text.substr(at, part.size()), part)) return at;
  return std::string_view::npos;
}

}  // namespace tesserin
