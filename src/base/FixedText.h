// A short text of at most N bytes held in place: the pillars and the ten-god chart are built
// for every reading, and holding them inline keeps a reading free of allocations.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tesserin {

template <std::size_t N>
class FixedText {
 public:
  FixedText() = default;

  void Append(std::string_view piece) {
    std::size_t n = piece.size() < N - size_ ? piece.size() : N - size_;
    for (std::size_t i = 0; i < n; ++i) bytes_[size_ + i] = piece[i];
    size_ += n;
  }
  std::string_view View() const { return {bytes_.data(), size_}; }
  operator std::string_view() const { return View(); }  // NOLINT: used as text everywhere
  std::size_t size() const { return size_; }

 private:
  std::array<char, N> bytes_{};
  std::size_t size_ = 0;
};

}  // namespace tesserin
