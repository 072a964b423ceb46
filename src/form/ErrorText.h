// The text of the standard error box, in code page 936: the error text followed by "." unless
// it is empty or its last character is "." or sorts before it (a blank, "!", ")").
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tesserin::ui {

// The conversion error quotes a field's whole text. A field that holds thousands of pasted
// characters would make a box wider and taller than the screen, with its OK button out of
// reach; the box quotes this many characters followed by "…". The short texts of real
// mistakes stay whole.
inline constexpr std::size_t kMaxQuotedCharacters = 40;

inline std::string ErrorBoxText(std::string_view gbk) {
  std::string text(gbk);
  // The trail byte of a double-byte character is at least 0x40, so it never sorts before ".":
  // looking at the last byte is enough.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

}  // namespace tesserin::ui
