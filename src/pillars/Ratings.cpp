#include "pillars/Ratings.h"

#include <stdexcept>

#include "base/WholeNumber.h"
#include "pillars/CycleTable.h"

namespace tesserin {
namespace {

constexpr const char* kPersonalityRows[60] =
#include "PersonalityTable.inc"
    ;

constexpr const char* kKindnessItems[61] =
#include "KindnessTable.inc"
    ;

template <std::size_t N>
std::array<GbkString, N> Converted(const char* const (&utf8)[N]) {
  std::array<GbkString, N> rows;
  for (std::size_t i = 0; i < N; ++i) rows[i] = Gbk(utf8[i]);
  return rows;
}

}  // namespace

const std::array<GbkString, 60>& PersonalityTable() {
  static const auto table = Converted(kPersonalityRows);
  return table;
}

const std::array<GbkString, 61>& KindnessTable() {
  static const auto table = Converted(kKindnessItems);
  return table;
}

int KindnessIndex(std::string_view dayPillar) {
  int k = CycleIndex(dayPillar);
  if (k == kNoIndex) throw std::out_of_range("not a pillar");
  return ParseWholeNumber(KindnessTable()[k]);
}

std::string_view StarText(int n) {
  static const GbkString stars = Gbk("★★★★★☆☆☆☆☆");
  if (n > 5) n = 5;
  if (n < 0) n = 0;
  return std::string_view(stars).substr(10 - 2 * n, 10);
}

}  // namespace tesserin
