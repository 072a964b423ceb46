// Ten-god names of stems and branches relative to the day stem, the chart of a reading, and the
// officer class of the hidden stems.
#pragma once

#include <string_view>

#include "base/Gbk.h"
#include "cycle/Pillars.h"

namespace tesserin {

enum GodName { 比肩, 劫财, 食神, 伤官, 偏财, 正财, 七杀, 正官, 偏印, 正印 };

// The five god slots: the names of the year stem, year branch, month stem, month branch and day
// branch (the day stem has none). Inner slots sit next to the day stem, outer ones in the year.
enum Slot { kYearStem, kYearBranch, kMonthStem, kMonthBranch, kDayBranch };
constexpr Slot kSlots[] = {kYearStem, kYearBranch, kMonthStem, kMonthBranch, kDayBranch};

// The ten-god chart: a name in each slot.
struct GodChart {
  GodName slots[5] = {};
  GodName operator[](Slot slot) const { return slots[slot]; }
  bool operator==(const GodChart&) const = default;
};

GodName TenGodOf(StemName dayStem, StemName other);
GodName TenGodOf(StemName dayStem, BranchName other);

GodChart TenGodChart(const Pillars& pillars);

// 1 to 4 from the 正官 and 七杀 among the hidden stems of the three branches: 1 none, 2 one of
// each, 3 one 正官 and no or several 七杀, 4 otherwise.
int OfficerScore(StemName dayStem, const Pillars& pillars);

// A name's text in code page 936 (4 bytes) or UTF-8 (6 bytes). The chart as text is the
// reading's (reading/TextPieces.h).
std::string_view GodNameText(GodName god, TextEncoding encoding = TextEncoding::kGbk);

}  // namespace tesserin
