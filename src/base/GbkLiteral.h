// A text of the program's own, written in the source once, as UTF-8, and used in the encoding
// of the edge that shows it: in UTF-8 as written, in code page 936 converted at its first use
// and kept for the whole run, so that every literal is converted once and in one way.
#pragma once

#include <mutex>
#include <string_view>

#include "base/Gbk.h"

namespace tesserin {

class GbkLiteral {
 public:
  constexpr explicit GbkLiteral(std::string_view utf8) : utf8_(utf8) {}
  GbkLiteral(const GbkLiteral&) = delete;
  GbkLiteral& operator=(const GbkLiteral&) = delete;

  const GbkString& Text() const {
    std::call_once(converted_, [this] { text_ = Gbk(utf8_); });
    return text_;
  }
  operator const GbkString&() const { return Text(); }
  // The text in `encoding`.
  std::string_view In(TextEncoding encoding) const {
    return encoding == TextEncoding::kUtf8 ? utf8_ : std::string_view(Text());
  }

 private:
  std::string_view utf8_;
  mutable std::once_flag converted_;
  mutable GbkString text_;
};

}  // namespace tesserin
