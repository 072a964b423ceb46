#include "reading/PersonalityAndStars.h"

#include <cstring>

#include "base/WholeNumber.h"

namespace tesserin {
namespace {

constexpr const char* kPersonalityRows[60] =
#include "PersonalityTable.inc"
    ;

constexpr const char* kKindnessItems[61] =
#include "KindnessTable.inc"
    ;

// Five filled stars then five hollow ones: n filled and 5 - n hollow are the five that start n
// before the middle.
constexpr std::string_view kStarRow = "★★★★★☆☆☆☆☆";

// The values as numbers, read once from the table's digit texts (its 61st item is empty and
// never read).
std::array<int, 60> KindnessValues() {
  std::array<int, 60> values;
  for (int k = 0; k < 60; ++k) values[k] = ReadWholeNumber(kKindnessItems[k]).value();
  return values;
}

}  // namespace

namespace {

// The texts converted once, and the views that a reading copies from.
struct RatingTexts {
  std::array<GbkString, 60> rows;
  std::array<std::string_view, 60> personalities;
  GbkString starRow = Gbk(kStarRow);
  std::array<std::string_view, 6> stars;  // by the number of filled stars

  RatingTexts() {
    for (int k = 0; k < 60; ++k) {
      rows[k] = Gbk(kPersonalityRows[k]);
      personalities[k] = std::string_view(rows[k]).substr(5, 100);
    }
    for (int n = 0; n <= 5; ++n) stars[n] = std::string_view(starRow).substr(10 - 2 * n, 10);
  }
};

// Made once, away from the readers: the first run's conversions stay out of every later call.
// Inlined, a reading over every date takes 11 % more instructions and 7 to 10 % more time
// (bench/compare-tuning with bench/variants/texts-inline.patch; bench/RESULTS.md).
[[gnu::noinline]] const RatingTexts& MakeTexts() {
  static const RatingTexts texts;
  return texts;
}

const RatingTexts& TheTexts() {
  static const RatingTexts& texts = MakeTexts();
  return texts;
}

}  // namespace

const std::array<GbkString, 60>& PersonalityTable() { return TheTexts().rows; }

// In UTF-8, the row after its pillar and colon (7 bytes). No row comes near the cut of 100 bytes
// of the text in code page 936 (the longest has 71), so the two are the same text; the tests
// hold them so.
std::string_view PersonalityOf(int dayPillar, TextEncoding encoding) {
  if (encoding == TextEncoding::kUtf8) return std::string_view(kPersonalityRows[dayPillar]).substr(7);
  return TheTexts().personalities[dayPillar];
}

int KindnessIndex(int dayPillar) {
  static const std::array<int, 60> values = KindnessValues();
  return values[dayPillar];
}

namespace {

std::string_view GbkStars(int n) { return TheTexts().stars[StarCount(n)]; }

}  // namespace

std::string_view StarText(int n, TextEncoding encoding) {
  if (encoding == TextEncoding::kUtf8) return kStarRow.substr(3 * (5 - StarCount(n)), 15);
  return GbkStars(n);
}

// Out of line: it is also WriteStars' first write into a field that holds anything else, and
// WriteStars stays a copy of a few instructions.
[[gnu::noinline]] void WriteStarsByAssign(int n, GbkString& field) { field.assign(GbkStars(n)); }

// Copied over, the four stars of a reading take 130 instructions (4.9 ns) against 282 (10.7 ns)
// by assign (BM_TunedPiece/stars, bench/count-instructions --pieces; bench/RESULTS.md).
void WriteStars(int n, GbkString& field) {
  if (field.size() != 10) return WriteStarsByAssign(n, field);
  std::memcpy(field.data(), GbkStars(n).data(), 10);
}

}  // namespace tesserin
