// Fuzz support: reading an input's bytes in order, telling UTF-8, and stopping loudly when a
// property fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// For the decoders and painters of the targets: their branches say nothing about the code under
// test, and their callbacks would cost more than that code.
#define FUZZ_NO_COVERAGE __attribute__((no_sanitize("coverage")))

namespace tesserin::fuzz {

// A cursor over the input. Reads past the end give zeros, so that every input decodes to
// something and a short input is still a valid one.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  FUZZ_NO_COVERAGE std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  FUZZ_NO_COVERAGE std::uint16_t Word() {
    std::uint16_t low = Byte();
    return static_cast<std::uint16_t>(low | Byte() << 8);
  }
  FUZZ_NO_COVERAGE std::int32_t Int32() {
    std::uint32_t value = 0;
    for (int shift = 0; shift < 32; shift += 8) value |= static_cast<std::uint32_t>(Byte()) << shift;
    return static_cast<std::int32_t>(value);
  }
  std::size_t Left() const { return size_ - at_; }
  // The bytes not read yet, all read at once.
  std::string_view Rest() {
    const std::string_view rest(reinterpret_cast<const char*>(data_) + at_, size_ - at_);
    at_ = size_;
    return rest;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Writes the same layouts that ByteReader reads, for the seed writer.
inline void PutWord(std::string& out, std::uint16_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8);
}
inline void PutInt32(std::string& out, std::int32_t value) {
  auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((bits >> shift) & 0xFF);
}

// Well-formed UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF.
inline bool IsUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    auto b = static_cast<unsigned char>(s[i]);
    std::size_t n = b < 0x80 ? 1 : b >= 0xC2 && b <= 0xDF ? 2 : b >= 0xE0 && b <= 0xEF ? 3 : b >= 0xF0 && b <= 0xF4 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    auto second = static_cast<unsigned char>(n > 1 ? s[i + 1] : 0);
    if ((b == 0xE0 && second < 0xA0) || (b == 0xED && second > 0x9F) || (b == 0xF0 && second < 0x90) ||
        (b == 0xF4 && second > 0x8F)) {
      return false;
    }
    i += n;
  }
  return true;
}

// A property that does not hold is a finding: libFuzzer saves the input on abort.
[[noreturn]] inline void Fail(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "property failed: %s\n", what);
  if (!detail.empty()) std::fprintf(stderr, "  %.*s\n", static_cast<int>(detail.size()), detail.data());
  std::abort();
}

inline void Check(bool holds, const char* what, std::string_view detail = {}) {
  if (!holds) Fail(what, detail);
}

}  // namespace tesserin::fuzz
