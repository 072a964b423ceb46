// Test helpers: write expected texts as UTF-8 and compare them as code page 936 bytes; build
// the values of a reading from the texts that worked examples give.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "base/Gbk.h"
#include "cycle/Pillars.h"
#include "reading/TextPieces.h"
#include "tengod/TenGod.h"

namespace tesserin {

inline GbkString G(std::string_view utf8) { return Gbk(utf8); }
inline std::string U(std::string_view gbk) { return Utf8(gbk); }

// The entry of a pillar written in UTF-8 ("甲子"); throws for text that is no pillar.
inline int EntryOfText(std::string_view utf8) {
  for (int i = 0; i < kCycleLength; ++i)
    if (U(CycleEntry(i)) == utf8) return i;
  throw std::invalid_argument("no pillar: " + std::string(utf8));
}

// Pillars from their text, three pillars in UTF-8 ("甲子乙丑丙寅", 6 bytes a pillar).
inline Pillars P(std::string_view utf8) {
  if (utf8.size() != 18) throw std::invalid_argument("not three pillars: " + std::string(utf8));
  return {EntryOfText(utf8.substr(0, 6)), EntryOfText(utf8.substr(6, 6)), EntryOfText(utf8.substr(12, 6))};
}

// The text of pillars in UTF-8, as P reads it.
inline std::string U(const Pillars& p) {
  return U(CycleEntry(p.Entry(kYearPillar))) + U(CycleEntry(p.Entry(kMonthPillar))) + U(CycleEntry(p.Entry(kDayPillar)));
}

// The ten-god chart as one text, in the pieces' encoding.
inline std::string ChartText(const TextPieces& texts, const Pillars& pillars, const GodChart& chart) {
  std::string text;
  texts.PutChart(pillars, chart, [&text](std::string_view piece) { text += piece; });
  return text;
}

}  // namespace tesserin
