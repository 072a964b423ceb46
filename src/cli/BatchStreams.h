// The batch reader's input and output: lines read in large blocks, output assembled in one
// buffer that goes to the stream in blocks.
#pragma once

#include <cstring>
#include <istream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cli/Json.h"

namespace tesserin {

// A piece of output short enough to be copied as a block of fixed size, which the compiler does
// in a few moves rather than a call.
struct ShortPiece {
  static constexpr std::size_t kCapacity = 48;
  char bytes[kCapacity] = {};
  std::size_t size = 0;

  ShortPiece() = default;
  explicit ShortPiece(const std::string& text) : size(text.size()) {
    if (text.size() > kCapacity) throw std::length_error("piece of batch output too long");
    std::memcpy(bytes, text.data(), text.size());
  }
};

// The lines of a stream, read in large blocks: a line is a view into the block, valid until the
// next one is asked for. Lines end as std::getline ends them: at each '\n', and at the end of
// the input when something stands after the last '\n'.
class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in), buffer_(1 << 16, '\0') {}

  bool Next(std::string_view& line) {
    for (;;) {
      const char* at = buffer_.data() + begin_;
      if (const void* end = std::memchr(at, '\n', end_ - begin_)) {
        const std::size_t size = static_cast<std::size_t>(static_cast<const char*>(end) - at);
        line = std::string_view(at, size);
        begin_ += size + 1;
        return true;
      }
      if (atEnd_) {
        if (begin_ == end_) return false;
        line = std::string_view(at, end_ - begin_);
        begin_ = end_;
        return true;
      }
      Refill();
    }
  }

 private:
  // Moves the unfinished line to the front, makes room for more if it fills the buffer, and
  // reads on.
  void Refill() {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    if (end_ == buffer_.size()) buffer_.resize(2 * buffer_.size());
    const std::streamsize got =
        in_.rdbuf()->sgetn(buffer_.data() + end_, static_cast<std::streamsize>(buffer_.size() - end_));
    if (got <= 0) atEnd_ = true;
    end_ += got > 0 ? static_cast<std::size_t>(got) : 0;
  }

  std::istream& in_;
  std::string buffer_;
  std::size_t begin_ = 0, end_ = 0;
  bool atEnd_ = false;
};

// The output in blocks: pieces are copied into one buffer, which goes to the stream when the
// next piece would not fit, and at the end.
class BlockWriter {
 public:
  explicit BlockWriter(std::ostream& out) : out_(out), block_(new char[kSize]) {}
  ~BlockWriter() { Flush(); }
  BlockWriter(const BlockWriter&) = delete;
  BlockWriter& operator=(const BlockWriter&) = delete;

  // A short piece: its whole block is copied, the bytes past its end overwritten by the next.
  void Put(const ShortPiece& piece) {
    if (used_ > kSize - ShortPiece::kCapacity) Flush();
    std::memcpy(block_.get() + used_, piece.bytes, ShortPiece::kCapacity);
    used_ += piece.size;
  }
  void Put(std::string_view piece) {
    if (piece.size() > kSize - used_) {
      Flush();
      if (piece.size() > kSize) {  // a line that echoes a very long field
        out_.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        return;
      }
    }
    std::memcpy(block_.get() + used_, piece.data(), piece.size());
    used_ += piece.size();
  }
  // A string member: ,"key": and the value quoted and escaped.
  void PutMember(std::string_view key, std::string_view utf8) {
    scratch_.assign(",\"").append(key).append("\":");
    AppendJsonString(scratch_, utf8);
    Put(scratch_);
  }
  void PutQuoted(std::string_view utf8) {
    scratch_.clear();
    AppendJsonString(scratch_, utf8);
    Put(scratch_);
  }
  void Flush() {
    out_.write(block_.get(), static_cast<std::streamsize>(used_));
    used_ = 0;
  }

 private:
  static constexpr std::size_t kSize = 1 << 16;
  std::ostream& out_;
  std::unique_ptr<char[]> block_;
  std::size_t used_ = 0;
  std::string scratch_;
};

}  // namespace tesserin
