// The batch reader fed as a pipe feeds it: the input in short pieces, after a first line whose
// length puts the fuzzed lines across the blocks of the reader or around its line limit (1 KiB
// and 4 KiB in the fuzz build, BatchSizes).
// Besides sanitizer findings it checks that the answers are those of the whole input at once,
// in either format, and that a line of a date and a mode (DATE<TAB>MODE) is answered as the
// line of its four fields would be.
//
// Input: a byte for the pieces, a byte for the first line's length (0 to 7 choose one of
// kFirstLines; any other value, none: long first lines are costly, and rare among random
// bytes), a byte that shortens it, a byte of flags (1: CSV; 2: the first line has no line end, so that the fuzzed text's first
// line continues it), then the text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <utility>
#include <memory>
#include <functional>

#include "FuzzInput.h"
#include "cli/BatchStreams.h"
#include "cli/Cli.h"

namespace {

using tesserin::fuzz::Check;

// The reader's block and longest line, small in the fuzz build; a longer line is answered with
// its error alone.
constexpr std::size_t kBlock = tesserin::BatchSizes::kBlock, kMaxLine = tesserin::BatchSizes::kMaxLine;

// The first line's lengths: at the reader's block ends and around its line limit.
constexpr std::size_t kFirstLines[] = {0, kBlock, 2 * kBlock, 3 * kBlock, kMaxLine - 1, kMaxLine, kMaxLine + 1, kMaxLine + 64};

// An input given in pieces of 1 to `most` bytes, their sizes from a small generator; the first
// line, up to its last kBulk bytes, in pieces of at least kBulk bytes. (A first line of 1 MiB
// given a byte a read took the target a second an input: 7 inputs a second, fuzz/README.md.)
class InPieces : public std::streambuf {
 public:
  static constexpr std::size_t kBulk = 256;

  InPieces(std::string_view bytes, std::size_t firstLine, std::uint8_t seed)
      : bytes_(bytes), bulkEnd_(firstLine), most_(std::size_t{1} << (seed % 13)), state_(seed | 1u) {}

 protected:
  FUZZ_NO_COVERAGE std::streamsize xsgetn(char* s, std::streamsize n) override {
    state_ = state_ * 1103515245u + 12345u;
    std::size_t piece = 1 + (state_ >> 8) % most_;
    if (at_ + kBulk < bulkEnd_) piece = std::max(piece, kBulk);
    const std::size_t size = std::min({static_cast<std::size_t>(n), piece, bytes_.size() - at_});
    std::memcpy(s, bytes_.data() + at_, size);
    at_ += size;
    return static_cast<std::streamsize>(size);
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0, bulkEnd_, most_;
  std::uint32_t state_;
};

// An input read from memory as it stands, as much as each read asks for.
class Whole : public std::streambuf {
 public:
  explicit Whole(std::string_view bytes) : bytes_(bytes) {}

 protected:
  FUZZ_NO_COVERAGE std::streamsize xsgetn(char* s, std::streamsize n) override {
    const std::size_t size = std::min(static_cast<std::size_t>(n), bytes_.size() - at_);
    std::memcpy(s, bytes_.data() + at_, size);
    at_ += size;
    return static_cast<std::streamsize>(size);
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

// An output kept as its size and a hash of its blocks of kChunk bytes, however it was cut into
// writes: the answers to a long line run to megabytes, which a string would grow to, page by
// fresh page, for every run.
class Digest : public std::streambuf {
 public:
  static constexpr std::size_t kChunk = 1 << 16;

  Digest() : block_(new char[kChunk]) {}

  std::pair<std::size_t, std::size_t> Value() {
    Hash();
    return {size_, hash_};
  }

 protected:
  FUZZ_NO_COVERAGE std::streamsize xsputn(const char* s, std::streamsize n) override {
    for (std::size_t left = static_cast<std::size_t>(n); left > 0;) {
      const std::size_t part = std::min(left, kChunk - used_);
      std::memcpy(block_.get() + used_, s, part);
      used_ += part, s += part, left -= part;
      if (used_ == kChunk) Hash();
    }
    return n;
  }
  int_type overflow(int_type c) override {
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    const char byte = traits_type::to_char_type(c);
    xsputn(&byte, 1);
    return c;
  }

 private:
  void Hash() {
    hash_ = hash_ * 1099511628211u ^ std::hash<std::string_view>()(std::string_view(block_.get(), used_));
    size_ += used_;
    used_ = 0;
  }

  std::unique_ptr<char[]> block_;
  std::size_t used_ = 0, size_ = 0, hash_ = 0;
};

struct Answer {
  int status;
  std::pair<std::size_t, std::size_t> out;  // size and hash
  std::string err;
  bool operator==(const Answer&) const = default;
};

Answer Run(const std::vector<std::string>& args, std::streambuf& source) {
  std::istream in(&source);
  Digest outBuffer;
  std::ostream out(&outBuffer);
  std::ostringstream err;
  const int status = tesserin::RunCli(args, in, out, err);
  return {status, outBuffer.Value(), err.str()};
}

// YYYY-MM-DD or YYYY/M/D between blanks, as the reader's help describes a date: its three
// fields, or false.
FUZZ_NO_COVERAGE bool DateFields(std::string_view text, std::string& fields) {
  const std::size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
  if (first == std::string_view::npos) return false;
  text = text.substr(first, last - first + 1);
  auto digits = [&](std::size_t at) {
    std::size_t n = 0;
    while (at + n < text.size() && text[at + n] >= '0' && text[at + n] <= '9') ++n;
    return n;
  };
  if (digits(0) != 4 || text.size() < 5 || (text[4] != '-' && text[4] != '/')) return false;
  const char separator = text[4];
  const std::size_t month = digits(5);
  if (month < 1 || month > 2 || 5 + month >= text.size() || text[5 + month] != separator) return false;
  const std::size_t dayAt = 6 + month, day = digits(dayAt);
  if (day < 1 || day > 2 || dayAt + day != text.size()) return false;
  fields = std::string(text.substr(0, 4)) + "\t" + std::string(text.substr(5, month)) + "\t" +
           std::string(text.substr(dayAt, day));
  return true;
}

// The text with each DATE<TAB>MODE line written as its four fields, CR at the end kept.
FUZZ_NO_COVERAGE std::string AsFourFields(std::string_view text) {
  std::string result;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end), cr;
    if (line.ends_with('\r')) line.remove_suffix(1), cr = "\r";
    const std::size_t tab = line.find('\t');
    std::string fields;
    if (line.size() <= kMaxLine && tab != std::string_view::npos && line.find('\t', tab + 1) == std::string_view::npos &&
        DateFields(line.substr(0, tab), fields)) {
      result += fields + std::string(line.substr(tab)) + std::string(cr);
    } else {
      result += text.substr(0, end);
    }
    if (end < text.size()) result += '\n';
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tesserin::fuzz::ByteReader reader(data, size);
  const std::uint8_t seed = reader.Byte();
  const std::uint8_t firstLineChoice = reader.Byte();
  const std::size_t firstLine = firstLineChoice < std::size(kFirstLines) ? kFirstLines[firstLineChoice] : 0;
  const std::size_t shorter = std::min<std::size_t>(reader.Byte(), firstLine);
  const std::uint8_t flags = reader.Byte();
  const std::string_view text(reinterpret_cast<const char*>(data) + (size - reader.Left()), reader.Left());

  const bool csv = flags & 1;
  const std::vector<std::string> args = csv ? std::vector<std::string>{"--batch", "--format=csv"}
                                            : std::vector<std::string>{"--batch"};
  std::string input(firstLine - shorter, '7');
  if (!(flags & 2) && !input.empty()) input += '\n';
  const std::size_t head = input.size();
  input += text;

  Whole whole(input);
  const Answer atOnce = Run(args, whole);
  InPieces pieces(input, head, seed);
  Check(Run(args, pieces) == atOnce, "the answers in pieces are those of the whole input");

  // The CSV shows the date as given, the JSON its fields: only the JSON answers a date line as
  // its four fields. A byte order mark at the start decides the encoding of what follows.
  const bool utf8 = !input.starts_with("\xFF\xFE") && !input.starts_with("\xFE\xFF");
  if (!csv && utf8) {
    const std::size_t mark = input.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    const std::string fourFields = input.substr(0, mark) + AsFourFields(std::string_view(input).substr(mark));
    if (fourFields != input) {
      Whole rewritten(fourFields);
      Check(Run(args, rewritten) == atOnce, "a date line is answered as its four fields", text.substr(0, 200));
    }
  }
  return 0;
}
