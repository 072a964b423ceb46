// Ten-god names of stems and branches relative to the day stem, the chart of a reading, and the
// officer class of the hidden stems.
#pragma once

#include <string_view>

#include "base/FixedText.h"

namespace tesserin {

// StemGods (12 bytes: names of the year and month stems, then "日元") followed by BranchGods
// (18 bytes: each of the year, month and day branches followed by its name).
using TenGodChartText = FixedText<30>;

// The 4-byte ten-god name of `other` (a stem or a branch) for `dayStem`. Any other character
// throws ConversionError, as the number lookup behind the names finds no number for it.
std::string_view TenGodOf(std::string_view dayStem, std::string_view other);

// The chart of a 12-byte pillars text.
TenGodChartText TenGodChart(std::string_view pillars);

// 1 to 4 from the 正官 and 七杀 among the hidden stems of the branches of up to four pillars:
// 1 none, 2 one of each, 3 one 正官 and no or several 七杀, 4 otherwise.
int OfficerScore(std::string_view dayStem, std::string_view pillarText);

// The same counted branch by branch, for texts already known to be pillars: the 正官 and 七杀
// hidden in one branch (place 0..11) for a day stem (place 0..9), and the class of a total.
struct OfficerTally {
  int officers = 0, killers = 0;
};
OfficerTally HiddenOfficers(int dayStem, int branch);
int OfficerClass(OfficerTally tally);

}  // namespace tesserin
