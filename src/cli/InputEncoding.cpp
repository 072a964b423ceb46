#include "cli/InputEncoding.h"

namespace tesserin {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF", kLittleEndianMark = "\xFF\xFE", kBigEndianMark = "\xFE\xFF";
constexpr unsigned kReplacement = 0xFFFD;

std::size_t PutUtf8(unsigned code, char* out) {
  auto byte = [](unsigned bits) { return static_cast<char>(bits); };
  if (code < 0x80) {
    out[0] = byte(code);
    return 1;
  }
  if (code < 0x800) {
    out[0] = byte(0xC0 | code >> 6), out[1] = byte(0x80 | (code & 0x3F));
    return 2;
  }
  if (code < 0x10000) {
    out[0] = byte(0xE0 | code >> 12), out[1] = byte(0x80 | (code >> 6 & 0x3F)), out[2] = byte(0x80 | (code & 0x3F));
    return 3;
  }
  out[0] = byte(0xF0 | code >> 18), out[1] = byte(0x80 | (code >> 12 & 0x3F));
  out[2] = byte(0x80 | (code >> 6 & 0x3F)), out[3] = byte(0x80 | (code & 0x3F));
  return 4;
}

}  // namespace

ByteOrderMark ReadByteOrderMark(std::string_view start, bool more) {
  for (auto [mark, encoding] : {std::pair{kUtf8Mark, InputEncoding::kUtf8},
                                std::pair{kLittleEndianMark, InputEncoding::kUtf16LittleEndian},
                                std::pair{kBigEndianMark, InputEncoding::kUtf16BigEndian}}) {
    if (start.starts_with(mark)) return {encoding, mark.size()};
    if (more && mark.starts_with(start)) return {};
  }
  return {InputEncoding::kUtf8, 0};
}

std::size_t Utf16Decoder::Decode(std::string_view bytes, char* out) {
  std::size_t written = 0;
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (oddByte_ < 0) {
      oddByte_ = b;
      continue;
    }
    const auto first = static_cast<unsigned>(oddByte_);
    const unsigned unit = bigEndian_ ? first << 8 | b : b << 8 | first;
    oddByte_ = -1;
    if (highSurrogate_ != 0) {
      if (unit >= 0xDC00 && unit <= 0xDFFF) {
        written += PutUtf8(0x10000 + ((highSurrogate_ - 0xD800) << 10) + (unit - 0xDC00), out + written);
        highSurrogate_ = 0;
        continue;
      }
      written += PutUtf8(kReplacement, out + written);
      highSurrogate_ = 0;
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      highSurrogate_ = unit;
    } else {
      written += PutUtf8(unit >= 0xDC00 && unit <= 0xDFFF ? kReplacement : unit, out + written);
    }
  }
  return written;
}

std::size_t Utf16Decoder::Finish(char* out) {
  std::size_t written = 0;
  if (highSurrogate_ != 0) written += PutUtf8(kReplacement, out + written);
  if (oddByte_ >= 0) written += PutUtf8(kReplacement, out + written);
  highSurrogate_ = 0;
  oddByte_ = -1;
  return written;
}

}  // namespace tesserin
