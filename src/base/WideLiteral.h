// A text of the source (UTF-8) as a wide text, made at compile time, for the tables of the
// window that hold wide texts: so that a word written once in UTF-8 can stand in them too.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace tesserin {

// The pieces joined, up to Capacity wide characters (a text that does not fit stops the
// compilation). The source's UTF-8 is well-formed; a character beyond U+FFFF takes two units
// where wchar_t has 16 bits, as on Windows.
template <std::size_t Capacity>
struct WideLiteral {
  wchar_t units[Capacity] = {};
  std::size_t size = 0;

  constexpr WideLiteral(std::initializer_list<std::string_view> pieces) {
    for (std::string_view utf8 : pieces)
      for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (static_cast<unsigned char>(utf8[at + k]) & 0x3F);
        at += length;
        if (sizeof(wchar_t) == 2 && code >= 0x10000) {
          Put(0xD800 + ((code - 0x10000) >> 10));
          Put(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
          Put(code);
        }
      }
  }
  constexpr std::wstring_view View() const { return {units, size}; }

 private:
  constexpr void Put(char32_t unit) {
    if (size == Capacity) throw "WideLiteral: the text is longer than its capacity";
    units[size++] = static_cast<wchar_t>(unit);
  }
};

}  // namespace tesserin
