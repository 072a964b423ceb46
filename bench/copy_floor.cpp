// The floor of the batch over every date: a static program that writes lines of the same lengths
// as tesserin-cli --batch writes for the 56,544 lines of every date in both readings (with the
// argument csv, those of --format=csv, its header line first), copied from
// memory into blocks of 64 KiB (as the batch's are) that go to standard output whole. It reads
// nothing and works nothing out, so the batch's time over this program's is what reading,
// parsing and assembling cost above the start of a process and the copying of its output
// (bench/floor_ratio, bench/RESULTS.md).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>

#include <unistd.h>

namespace {

// The length of each line, its line end included, as the recorded batch output has them
// (made at build time from tests/cli/pinned/expected.jsonl.gz and expected.csv.gz).
constexpr std::uint16_t kLineLengths[] = {
#include "batch_line_lengths.inc"
};
constexpr std::uint16_t kCsvLineLengths[] = {
#include "csv_line_lengths.inc"
};

constexpr std::size_t kBlock = 1 << 16;
char block[kBlock];
char source[4096];  // the bytes that every line is copied from

bool WriteAll(const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t wrote = ::write(1, bytes, size);
    if (wrote <= 0) return false;
    bytes += wrote;
    size -= static_cast<std::size_t>(wrote);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const bool csv = argc > 1 && std::strcmp(argv[1], "csv") == 0;
  const std::uint16_t* const begin = csv ? kCsvLineLengths : kLineLengths;
  const std::uint16_t* const end = csv ? std::end(kCsvLineLengths) : std::end(kLineLengths);
  std::memset(source, 'x', sizeof source);
  std::size_t used = 0;
  for (const std::uint16_t* at = begin; at != end; ++at) {
    const std::uint16_t length = *at;
    if (length > kBlock - used) {
      if (!WriteAll(block, used)) return 1;
      used = 0;
    }
    std::memcpy(block + used, source, length - 1u);
    block[used + length - 1] = '\n';
    used += length;
  }
  return WriteAll(block, used) ? 0 : 1;
}
