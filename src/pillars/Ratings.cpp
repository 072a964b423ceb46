#include "pillars/Ratings.h"

#include "base/WholeNumber.h"

namespace tesserin {
namespace {

constexpr const char* kPersonalityRows[60] =
#include "PersonalityTable.inc"
    ;

constexpr const char* kKindnessItems[61] =
#include "KindnessTable.inc"
    ;

// The values as numbers, read once from the table's digit texts (its 61st item is empty and
// never read).
std::array<int, 60> KindnessValues() {
  std::array<int, 60> values;
  for (int k = 0; k < 60; ++k) values[k] = ParseWholeNumber(kKindnessItems[k]);
  return values;
}

}  // namespace

const std::array<GbkString, 60>& PersonalityTable() {
  static const auto table = [] {
    std::array<GbkString, 60> rows;
    for (int k = 0; k < 60; ++k) rows[k] = Gbk(kPersonalityRows[k]);
    return rows;
  }();
  return table;
}

std::string_view PersonalityOf(int dayPillar) {
  return std::string_view(PersonalityTable()[dayPillar]).substr(5, 100);
}

int KindnessIndex(int dayPillar) {
  static const std::array<int, 60> values = KindnessValues();
  return values[dayPillar];
}

std::string_view StarText(int n) {
  static const GbkString stars = Gbk("★★★★★☆☆☆☆☆");
  if (n > 5) n = 5;
  if (n < 0) n = 0;
  return std::string_view(stars).substr(10 - 2 * n, 10);
}

}  // namespace tesserin
