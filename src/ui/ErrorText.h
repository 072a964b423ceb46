// The text of the standard error box, in code page 936: the error text followed by "." unless
// it is empty or its last character is "." or sorts before it (a blank, "!", ")").
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tesserin::ui {

// The conversion error quotes a field's whole text. A field that holds thousands of pasted
// characters would make a box wider and taller than the screen, with its OK button out of
// reach; the quoted text is cut to this many characters followed by "…". The short texts of
// real mistakes stay whole.
inline constexpr std::size_t kMaxQuotedCharacters = 40;

inline std::string FittedErrorText(std::string_view gbk) {
  constexpr std::string_view kTail = "' is not a valid integer value";
  constexpr std::string_view kEllipsis = "\xA1\xAD";  // … in code page 936
  if (gbk.size() < 1 + kTail.size() || gbk.front() != '\'' || !gbk.ends_with(kTail)) {
    return std::string(gbk);
  }
  const std::string_view quoted = gbk.substr(1, gbk.size() - 1 - kTail.size());
  std::size_t at = 0;
  for (std::size_t characters = 0; at < quoted.size(); ++characters) {
    if (characters == kMaxQuotedCharacters) {
      return std::string(1, '\'').append(quoted.substr(0, at)).append(kEllipsis).append(kTail);
    }
    // A lead byte takes the byte after it: a double-byte character is never split.
    at += static_cast<unsigned char>(quoted[at]) >= 0x81 && at + 1 < quoted.size() ? 2 : 1;
  }
  return std::string(gbk);
}

inline std::string ErrorBoxText(std::string_view gbk) {
  std::string text(gbk);
  // The trail byte of a double-byte character is at least 0x40, so it never sorts before ".":
  // looking at the last byte is enough.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

}  // namespace tesserin::ui
