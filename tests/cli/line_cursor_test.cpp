// A batch line written at a cursor: pieces copied 16 bytes at a time write what exact copies
// write, and a line that passes the room made for it is refused.
#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>

#include "cli/BatchStreams.h"
#include "cli/LineCursor.h"

namespace tesserin {
namespace {

// Pieces of every length up to three blocks and one byte, from different places of a source
// with the bytes behind them that PutPadded reads, written one after another in both ways into
// blocks of different bytes: the same line, the cursors at the same place after each piece.
TEST(LineCursor, PaddedPiecesWriteWhatExactCopiesWrite) {
  constexpr std::size_t kLongest = 3 * LineCursor::kBlock + 1;
  std::string source;
  for (std::size_t i = 0; i < kLongest + 7 + LineCursor::kBlock; ++i) source += static_cast<char>('a' + i % 26);
  std::string padded(2048, '#'), exact(2048, '=');
  LineCursor byBlocks(padded.data(), padded.size() - LineCursor::kBlock);
  LineCursor byCopies(exact.data(), exact.size() - LineCursor::kBlock);
  for (std::size_t size = 0; size <= kLongest; ++size) {
    SCOPED_TRACE("piece of " + std::to_string(size) + " bytes");
    const std::string_view piece(source.data() + size % 7, size);
    byBlocks.PutPadded(piece);
    byCopies.Put(piece);
    const auto written = static_cast<std::size_t>(byCopies.At() - exact.data());
    ASSERT_EQ(written, static_cast<std::size_t>(byBlocks.At() - padded.data()));
    ASSERT_EQ(exact.substr(0, written), padded.substr(0, written));
  }
  EXPECT_TRUE(byBlocks.Within());
}

TEST(LineCursor, ALineLongerThanItsRoomIsRefused) {
  std::ostringstream out;
  BlockWriter writer(out);
  LineCursor line = writer.StartLine(4);
  line.Put("12345\n");
  EXPECT_FALSE(line.Within());
  EXPECT_THROW(writer.EndLine(line), std::logic_error);
}

}  // namespace
}  // namespace tesserin
