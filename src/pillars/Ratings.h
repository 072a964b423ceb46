// The small tables and operations of a reading that need no ten-god chart: the personality text
// and kindness value of each day pillar, and the five-star strings.
#pragma once

#include <array>
#include <string_view>

#include "base/Gbk.h"

namespace tesserin {

// Row k belongs to CycleTable entry k: the pillar, ":", the description.
const std::array<GbkString, 60>& PersonalityTable();
// Item k (k < 60) is the kindness value of entry k as a digit text; item 60 is empty.
const std::array<GbkString, 61>& KindnessTable();

// 0..4, the kindness value of a day pillar. A text that is no pillar throws std::out_of_range.
int KindnessIndex(std::string_view dayPillar);

// n filled stars then 5 - n hollow ones (10 bytes), n clamped to 0..5.
std::string_view StarText(int n);

}  // namespace tesserin
