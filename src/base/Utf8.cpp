#include "base/Utf8.h"

namespace tesserin {

Utf8Piece Utf8PieceAt(std::string_view text, std::size_t at) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {1, lead};
  const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                           : lead >= 0xF0 && lead <= 0xF4 ? 4 : 1;
  std::size_t n = 1;
  while (n < length && at + n < text.size() && (byte(at + n) & 0xC0) == 0x80) ++n;
  char32_t code = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
  for (std::size_t k = 1; k < n; ++k) code = (code << 6) | (byte(at + k) & 0x3F);
  const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
  const bool whole = length > 1 && n == length && code >= least && code <= 0x10FFFF &&
                     !(code >= 0xD800 && code <= 0xDFFF);
  if (!whole) return {n, std::nullopt, n < length && at + n == text.size()};
  return {n, code};
}

std::size_t Utf8CharactersPrefix(std::string_view text, std::size_t n) {
  std::size_t at = 0;
  for (std::size_t characters = 0; at < text.size() && characters < n; ++characters) at += Utf8PieceAt(text, at).length;
  return at;
}

}  // namespace tesserin
