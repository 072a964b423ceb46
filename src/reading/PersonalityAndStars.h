// The small tables and operations of a reading that need no ten-god chart: the personality text
// and kindness value of each day pillar, and the five-star strings. The texts are in code page
// 936 for the reading and the window, or in UTF-8 as their source writes them for the
// command-line reader, both from the one source.
#pragma once

#include <array>
#include <string_view>

#include "base/Gbk.h"

namespace tesserin {

// Row k belongs to CycleTable entry k: the pillar, ":", the description.
const std::array<GbkString, 60>& PersonalityTable();

// The description of a day pillar (CycleTable entry): the row after the pillar and the colon,
// in code page 936 at most 100 bytes.
std::string_view PersonalityOf(int dayPillar, TextEncoding encoding = TextEncoding::kGbk);

// 0..4, the kindness value of a day pillar (CycleTable entry).
int KindnessIndex(int dayPillar);

// A rating as a count of stars: n clamped to 0..5, wherever a rating is shown.
constexpr int StarCount(int n) { return n < 0 ? 0 : n > 5 ? 5 : n; }

// n filled stars then 5 - n hollow ones, n clamped to 0..5: 10 bytes in code page 936, 15 in
// UTF-8.
std::string_view StarText(int n, TextEncoding encoding = TextEncoding::kGbk);
// StarText(n) into a result field. A field that holds stars already (those of the reading
// before) has the ten bytes copied over.
void WriteStars(int n, GbkString& field);
// The same by assign(): the plain way, which the tests hold WriteStars equal to and the
// benchmarks time beside it.
void WriteStarsByAssign(int n, GbkString& field);

}  // namespace tesserin
