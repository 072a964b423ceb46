// The encodings a batch input may come in, told by its first bytes: UTF-8, with or without the
// byte order mark that editors put in front (which is dropped), or UTF-16 in either byte order
// behind its mark (as spreadsheets export "Unicode text"), turned into UTF-8 as it is read.
#pragma once

#include <cstddef>
#include <string_view>

namespace tesserin {

enum class InputEncoding { kUndecided, kUtf8, kUtf16LittleEndian, kUtf16BigEndian };

struct ByteOrderMark {
  InputEncoding encoding = InputEncoding::kUndecided;
  std::size_t size = 0;  // the mark's bytes at the start
};

// The encoding that the first bytes of an input say; kUndecided while they are the start of a
// mark and more may come (`more`).
ByteOrderMark ReadByteOrderMark(std::string_view start, bool more);

// UTF-16 to UTF-8, in pieces as they are read. A code unit or a pair of surrogates cut at the end
// of a piece waits for the next; an unpaired surrogate, and an odd byte at the end, become U+FFFD
// as invalid UTF-8 does in the output.
class Utf16Decoder {
 public:
  // At most this many bytes of UTF-8 per byte given, and a few more for what was left waiting.
  static constexpr std::size_t kGrowth = 2, kSlack = 8;

  explicit Utf16Decoder(bool bigEndian) : bigEndian_(bigEndian) {}

  // Writes the UTF-8 of `bytes` to `out` (room for kGrowth * size + kSlack) and returns its size.
  std::size_t Decode(std::string_view bytes, char* out);
  // At the end of the input: what was left waiting, as U+FFFD.
  std::size_t Finish(char* out);

 private:
  bool bigEndian_;
  int oddByte_ = -1;             // the first byte of a code unit cut at the end of a piece
  unsigned highSurrogate_ = 0;  // a high surrogate waiting for its low one
};

}  // namespace tesserin
