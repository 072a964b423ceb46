#include "reading/Ratings.h"

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
  GbkString starRow = Gbk("★★★★★☆☆☆☆☆");
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
// Inlined, a reading over every date takes 12 % longer (BM_ReadingEveryDate, bench/RESULTS.md).
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

std::string_view PersonalityOf(int dayPillar) { return TheTexts().personalities[dayPillar]; }

int KindnessIndex(int dayPillar) {
  static const std::array<int, 60> values = KindnessValues();
  return values[dayPillar];
}

std::string_view StarText(int n) {
  if (n > 5) n = 5;
  if (n < 0) n = 0;
  return TheTexts().stars[n];
}

namespace {

// The first write into a field that holds something else; kept out of line so that the copy
// over ten bytes stays a few instructions.
[[gnu::noinline]] void AssignStars(std::string_view stars, GbkString& field) { field.assign(stars); }

}  // namespace

void WriteStars(int n, GbkString& field) {
  // Always ten bytes: once the field holds stars, this only copies them over. With assign() in
  // its place a reading over every date takes 15 % longer (BM_ReadingEveryDate, bench/RESULTS.md).
  std::string_view stars = StarText(n);
  if (field.size() != 10) return AssignStars(stars, field);
  std::memcpy(field.data(), stars.data(), 10);
}

}  // namespace tesserin
