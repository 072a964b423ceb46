// The batch reader's input and output: lines read in large blocks, output assembled in one
// buffer that goes to the stream in blocks of whole lines.
#pragma once

#include <algorithm>
#include <cstring>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cli/InputEncoding.h"
#include "cli/Json.h"
#include "cli/LineCursor.h"
#include "cli/StreamFailure.h"

namespace tesserin {

// The size of the batch's blocks, in and out, and of its longest line. The fuzz targets' build
// makes both small (TESSERIN_FUZZ_SMALL_BLOCKS, fuzz/CMakeLists.txt), so that inputs across
// blocks and around the limit take a fuzz input kilobytes, not megabytes: the same code at
// sizes that sanitized code goes through a thousand times a second.
struct BatchSizes {
#ifdef TESSERIN_FUZZ_SMALL_BLOCKS
  static constexpr std::size_t kBlock = 1 << 10, kMaxLine = 1 << 12;
#else
  static constexpr std::size_t kBlock = 1 << 16, kMaxLine = 1 << 20;
#endif
};

// A line of input, a view into the reader's block valid until the next is asked for, with
// LineReader::kReadablePast bytes of the block behind it. A line longer than LineReader::kMaxLine
// is not kept: only that it was there.
struct InputLine {
  std::string_view text;
  bool tooLong = false;
};

// The lines of a stream, read in large blocks. Lines end as std::getline ends them: at each '\n',
// and at the end of the input when something stands after the last '\n'. The input is UTF-8 or
// UTF-16 behind a byte order mark (InputEncoding.h); the lines are UTF-8. Memory stays bounded:
// a line longer than kMaxLine (its CR at the end not counted) is passed over as it is read.
class LineReader {
 public:
  static constexpr std::size_t kMaxLine = BatchSizes::kMaxLine;
  // Bytes of the block behind every line that no read fills, so that a line's fields may be
  // copied 16 bytes at a time (LineCursor::PutPadded).
  static constexpr std::size_t kReadablePast = 16;

  // `beforeRead` is called before every read of the stream, which may wait for more input.
  LineReader(std::istream& in, std::function<void()> beforeRead)
      : in_(in), beforeRead_(std::move(beforeRead)), buffer_(kBlock + kReadablePast, '\0') {}

  // False at the end of the input, and when it could not be read: then Failure() says why, and
  // the line that was being read, cut short, is not given.
  bool Next(InputLine& line) {
    for (;;) {
      const char* at = buffer_.data() + begin_;
      if (const void* end = std::memchr(at + searched_, '\n', end_ - begin_ - searched_)) {
        const std::size_t size = static_cast<std::size_t>(static_cast<const char*>(end) - at);
        line = {std::string_view(at, size), skipping_ || TooLong(at, size)};
        begin_ += size + 1;
        searched_ = 0;
        skipping_ = false;
        return true;
      }
      searched_ = end_ - begin_;
      if (end_ - begin_ > kMaxLine + 1) {  // too long to keep, even with a CR: only its end is looked for
        skipping_ = true;
        begin_ = end_;
        searched_ = 0;
      }
      if (atEnd_) {
        if (begin_ == end_ && !skipping_) return false;
        line = {std::string_view(at, end_ - begin_), skipping_ || TooLong(at, end_ - begin_)};
        begin_ = end_;
        searched_ = 0;
        skipping_ = false;
        return !failure_;
      }
      Refill();
    }
  }

  const std::optional<StreamFailure>& Failure() const { return failure_; }

 private:
  static constexpr std::size_t kBlock = BatchSizes::kBlock;

  // Over kMaxLine bytes, not counting a CR at the end, which the line's reader drops.
  static bool TooLong(const char* at, std::size_t size) {
    return size > kMaxLine && !(size == kMaxLine + 1 && at[kMaxLine] == '\r');
  }

  // Moves the unfinished line to the front, makes room for more if it fills half the buffer,
  // and reads on. So a batch of short lines keeps its first buffer; one grown whenever less than
  // a block is left grows at the second read and takes a block of fresh pages from the system
  // (33 of the batch's 171 page faults over every date, bench/RESULTS.md).
  void Refill() {
    if (begin_ > 0) std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    if (Size() - end_ < kBlock / 2) Resize(std::min(2 * Size(), kMaxLine + 2 * kBlock));
    char* into = buffer_.data() + end_;
    const std::size_t room = Size() - end_;
    beforeRead_();
    try {
      if (decoder_) {
        const std::size_t fits = (room - Utf16Decoder::kSlack) / Utf16Decoder::kGrowth;
        const std::size_t got = Read(raw_.get(), std::min(kBlock, fits));
        end_ += got > 0 ? decoder_->Decode({raw_.get(), got}, into) : decoder_->Finish(into);
        atEnd_ = got == 0;
        return;
      }
      const std::size_t got = Read(into, room);
      end_ += got;
      atEnd_ = got == 0;
    } catch (const StreamFailure& failure) {
      failure_ = failure;
      atEnd_ = true;
      end_ = begin_;  // the line cut short by the failure
      searched_ = 0;
      return;
    }
    if (encoding_ == InputEncoding::kUndecided) TellEncoding();
  }

  std::size_t Read(char* into, std::size_t size) {
    const std::streamsize got = in_.rdbuf()->sgetn(into, static_cast<std::streamsize>(size));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
  }

  // From the first bytes: a UTF-8 mark is dropped; behind a UTF-16 mark the bytes read so far are
  // the first to be decoded.
  void TellEncoding() {
    const ByteOrderMark mark = ReadByteOrderMark({buffer_.data(), end_}, !atEnd_);
    encoding_ = mark.encoding;
    if (encoding_ == InputEncoding::kUndecided) return;
    searched_ = 0;  // the bytes searched so far were the mark's, or are decoded anew
    if (encoding_ == InputEncoding::kUtf8) {
      begin_ = mark.size;
      return;
    }
    decoder_.emplace(encoding_ == InputEncoding::kUtf16BigEndian);
    raw_.reset(new char[kBlock]);
    const std::string bytes(buffer_.data() + mark.size, end_ - mark.size);
    Resize(std::max(Size(), Utf16Decoder::kGrowth * bytes.size() + 2 * Utf16Decoder::kSlack));
    end_ = decoder_->Decode(bytes, buffer_.data());
    if (atEnd_) end_ += decoder_->Finish(buffer_.data() + end_);
  }

  // The block's size for lines, short of the bytes kept readable behind them.
  std::size_t Size() const { return buffer_.size() - kReadablePast; }
  void Resize(std::size_t size) { buffer_.resize(size + kReadablePast); }

  std::istream& in_;
  std::function<void()> beforeRead_;
  std::string buffer_;
  std::size_t begin_ = 0, end_ = 0;
  // The bytes of the unfinished line already searched for its end: a line that comes in many
  // small reads is searched once, not once a read.
  std::size_t searched_ = 0;
  bool atEnd_ = false;
  bool skipping_ = false;  // within a line longer than kMaxLine
  std::optional<StreamFailure> failure_;
  InputEncoding encoding_ = InputEncoding::kUndecided;
  std::optional<Utf16Decoder> decoder_;
  std::unique_ptr<char[]> raw_;  // UTF-16 as read, before decoding
};

// The output in blocks: lines are copied into one buffer, whose whole lines go to the stream
// when the next would not fit, and all of it when flushed (between lines). The stream gets
// whole lines only, so that output cut short by a failure ends at a line end; a line longer
// than a block grows the block until it ends. A stream that fails throws StreamFailure here, so
// that a batch stops at the first output it cannot write.
class BlockWriter {
 public:
  explicit BlockWriter(std::ostream& out) : out_(out), block_(new char[kSize]) {}
  BlockWriter(const BlockWriter&) = delete;
  BlockWriter& operator=(const BlockWriter&) = delete;

  // A line of at most `most` bytes, written at the cursor and then handed back with EndLine.
  LineCursor StartLine(std::size_t most) {
    if (most + LineCursor::kBlock > capacity_ - used_) MakeRoom(most + LineCursor::kBlock);
    return LineCursor(block_.get() + used_, most);
  }
  void EndLine(const LineCursor& line) {
    if (!line.Within()) throw std::logic_error("batch line longer than the room made for it");
    used_ = static_cast<std::size_t>(line.At() - block_.get());
  }

  void Put(std::string_view piece) {
    if (piece.size() > capacity_ - used_) MakeRoom(piece.size());
    std::memcpy(block_.get() + used_, piece.data(), piece.size());
    used_ += piece.size();
  }
  // A string member: ,"key": and the value quoted and escaped.
  void PutMember(std::string_view key, std::string_view utf8) {
    scratch_.assign(",\"").append(key).append("\":");
    Put(scratch_);
    PutQuoted(utf8);
  }
  // A text quoted and escaped, a long one in pieces: never more than half a block of it at once.
  void PutQuoted(std::string_view utf8) {
    scratch_.assign("\"");
    for (std::size_t at = 0; at < utf8.size();) {
      at = AppendJsonStringPart(scratch_, utf8, at, kSize / 2);
      if (at < utf8.size()) {
        Put(scratch_);
        scratch_.clear();
      }
    }
    scratch_ += '"';
    Put(scratch_);
  }
  // Everything put so far to the stream, and the stream's own buffer to its destination. Kept
  // out of line, as the rare way out of a line's writing (batch_bench).
  [[gnu::noinline]] void Flush() { HandOn(used_); }

 private:
  // Room for `size` more bytes: the whole lines go to the stream, the unfinished one moves to
  // the front, and a block that is still too small for it grows.
  // Only the bytes put since the last search are searched for the last line end: a line of a
  // megabyte, put in pieces, was searched whole for each piece (its JSON, 32 pieces, took 17
  // million steps to write).
  [[gnu::noinline]] void MakeRoom(std::size_t size) {
    for (std::size_t at = used_; at > searched_; --at) {
      if (block_[at - 1] == '\n') {
        lineEnd_ = at;
        break;
      }
    }
    searched_ = used_;
    HandOn(lineEnd_);
    if (size <= capacity_ - used_) return;
    std::size_t capacity = 2 * capacity_;
    while (capacity - used_ < size) capacity *= 2;
    std::unique_ptr<char[]> grown(new char[capacity]);
    std::memcpy(grown.get(), block_.get(), used_);
    block_ = std::move(grown);
    capacity_ = capacity;
  }
  // The first `size` bytes to the stream, the rest to the front; a block grown for a long line
  // shrinks back once that line has gone.
  void HandOn(std::size_t size) {
    if (size > 0) {
      out_.write(block_.get(), static_cast<std::streamsize>(size));
      out_.flush();
      if (!out_) throw StreamFailure::Writing(0);
    }
    used_ -= size;
    lineEnd_ -= std::min(lineEnd_, size);
    searched_ -= std::min(searched_, size);
    if (capacity_ > kSize && used_ <= kSize / 2) {
      std::unique_ptr<char[]> block(new char[kSize]);
      std::memcpy(block.get(), block_.get() + size, used_);
      block_ = std::move(block);
      capacity_ = kSize;
    } else if (size > 0) {
      std::memmove(block_.get(), block_.get() + size, used_);
    }
  }

  static constexpr std::size_t kSize = BatchSizes::kBlock;
  std::ostream& out_;
  std::unique_ptr<char[]> block_;
  std::size_t capacity_ = kSize, used_ = 0;
  // The bytes before searched_ have been searched for line ends; the last of them ends at
  // lineEnd_ (0: none).
  std::size_t searched_ = 0, lineEnd_ = 0;
  std::string scratch_;
};

}  // namespace tesserin
