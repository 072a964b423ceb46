#include "tengod/Counting.h"

#include "base/TextOps.h"

namespace tesserin {
namespace {

int CountPieces(std::string_view text, std::string_view piece, std::size_t pieceLength) {
  std::size_t length = text.size();
  std::size_t half = length / 2;
  if (length % 2 == 1 && half % 2 == 1) ++half;  // x.5 rounds to the even neighbour
  int count = 0;
  for (std::size_t i = 0; i <= half; ++i)
    if (SameBytes(Bytes(text, 2 * i + 1, pieceLength), piece)) ++count;
  return count;
}

}  // namespace

int CountUnits(std::string_view text, std::string_view unit) { return CountPieces(text, unit, 2); }

int CountPairs(std::string_view text, std::string_view pair) { return CountPieces(text, pair, 4); }

int ContainsText(std::string_view text, std::string_view part) {
  return FindBytes(text, part) != std::string_view::npos ? 1 : 0;
}

}  // namespace tesserin
