// A line of the batch's output written at a cursor straight into its output block, which has
// made room for the longest the line can be (BlockWriter::StartLine): each piece is copied with
// no room check of its own and the cursor stays in a register. Against a room check and a store
// of the block's count for every piece, the batch over every date takes 15 % fewer instructions
// and 11 % less processor time (98.6 M against 83.5 M with the pieces copied as they are;
// bench/compare-tuning, bench/RESULTS.md).
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace tesserin {

class LineCursor {
 public:
  // What PutPadded copies at a time: the bytes it may read past a piece's end, and write past it.
  static constexpr std::size_t kBlock = 16;

  // Writes at `at`, where room for `most` bytes and kBlock more was made.
  LineCursor(char* at, std::size_t most) : at_(at), end_(at + most) {}

  // A piece copied as it is: the plain way, and the one for literals, whose size the compiler
  // knows and copies in a move or two.
  void Put(std::string_view piece) {
    std::memcpy(at_, piece.data(), piece.size());
    at_ += piece.size();
  }
  void Put(char c) { *at_++ = c; }

  // A piece behind which kBlock bytes can be read (a piece of TextPieces, a field of a line of
  // LineReader), copied kBlock bytes at a time: a move or two for most pieces, where std::memcpy
  // of a size the compiler does not know is a call into the C library. The pieces of a reading
  // take 347 instructions (17 ns) this way against 483 (30 ns) by Put (BM_TunedPiece/json_pieces,
  // bench/count-instructions --pieces), and the batch over every date 13 % fewer instructions
  // and 15 % less processor time (70.6 M against 80.9 M; bench/RESULTS.md).
  void PutPadded(std::string_view piece) {
    std::size_t at = 0;
    do {
      std::memcpy(at_ + at, piece.data() + at, kBlock);
      at += kBlock;
    } while (at < piece.size());
    at_ += piece.size();
  }

  // The next `size` bytes, to be written in place.
  char* Take(std::size_t size) {
    char* at = at_;
    at_ += size;
    return at;
  }

  char* At() const { return at_; }
  // Whether the line stayed within the room made for it.
  bool Within() const { return at_ <= end_; }

 private:
  char* at_;
  char* end_;
};

}  // namespace tesserin
