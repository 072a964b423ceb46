// The four scores computed from a reading's pillars and its ten-god chart, or from the view of
// them that the pillar scores by the rules make once for each pillar triple (PillarScores.h).
#pragma once

#include <string_view>

#include "cycle/Pillars.h"
#include "tengod/ChartView.h"
#include "tengod/TenGod.h"

namespace tesserin {

// 0..5, shown as 性欲指数.
int LibidoIndex(const Pillars& pillars, const GodChart& chart);
int LibidoIndex(const ChartView& view);

// 0..8 from the wealth element of the day stem, shown as 要钱指数 (five stars from 5 up).
// Only the pillars are read.
int MoneyIndex(const Pillars& pillars);

// 0..5, the grade of late marriage or divorce; above 3 the reading notes it.
int MarriageScore(const Pillars& pillars, const GodChart& chart);
int MarriageScore(const ChartView& view);

// 0..5, shown as 可约指数. Also reads the personality text (code page 936), note included.
int DateIndex(const Pillars& pillars, const GodChart& chart, std::string_view personality);
int DateIndex(const ChartView& view, std::string_view personality);
// The date index in its two parts: the points of the pillars and the chart, and those of the
// words found in the personality text; the index is the grade of their sum.
int DatePointsOfPillars(const ChartView& view);
int DatePointsOfWords(std::string_view personality);
int DateGrade(int points);

}  // namespace tesserin
