// Byte-wise text operations on code page 936 text, with 1-based positions where a caller counts
// bytes as the readings do. A piece that reaches past the end is as long as the text allows.
#pragma once

#include <cstddef>
#include <string_view>

namespace tesserin {

// The `length` bytes that start at 1-based byte `position`; shorter or empty past the end.
inline std::string_view Bytes(std::string_view text, std::size_t position, std::size_t length) {
  if (position == 0 || position > text.size()) return {};
  return text.substr(position - 1, length);
}

// 0-based offset of the first occurrence of `part`, or npos. An empty part is never found.
inline std::size_t FindBytes(std::string_view text, std::string_view part) {
  if (part.empty()) return std::string_view::npos;
  return text.find(part);
}

}  // namespace tesserin
