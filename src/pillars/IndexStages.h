// The stages of a reading that need the ten-god chart: the 性欲, 可约 and 要钱 stars and the
// late-marriage note.
#pragma once

#include "cycle/Pillars.h"
#include "pillars/AnalysisRun.h"
#include "tengod/TenGod.h"

namespace tesserin {

struct IndexScores {
  GodChart chart;
  int libido = 0, marriage = 0, date = 0, money = 0;
};

// Writes LibidoStars, DateStars and MoneyStars, and appends "，女晚婚或离婚" to PersonalityText
// when the marriage score is above 3 (before the date index, which reads that text).
IndexScores RunIndexStages(const Pillars& pillars, AnalysisDisplay& display);

}  // namespace tesserin
