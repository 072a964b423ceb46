// The four scores computed from a reading's pillars and its ten-god chart. Each is a pure
// function of its texts: pillars (12 bytes), StemGods (12) and BranchGods (18).
#pragma once

#include <string_view>

namespace tesserin {

// 0..5, shown as 性欲指数.
int LibidoIndex(std::string_view pillars, std::string_view stemGods, std::string_view branchGods);

// 0..8 from the wealth element of the day stem, shown as 要钱指数 (five stars from 5 up).
// Only the pillars are read.
int MoneyIndex(std::string_view pillars, std::string_view stemGods, std::string_view branchGods);

// 0..5, the grade of late marriage or divorce; above 3 the reading notes it.
int MarriageScore(std::string_view pillars, std::string_view stemGods, std::string_view branchGods);

// 0..5, shown as 可约指数. Also reads the personality text, note included.
int DateIndex(std::string_view pillars, std::string_view stemGods, std::string_view branchGods,
              std::string_view personality);

// The same, over a view of the reading made once for all four.
class ChartView;
int LibidoIndex(const ChartView& view);
int MoneyIndex(const ChartView& view);
int MarriageScore(const ChartView& view);
int DateIndex(const ChartView& view, std::string_view personality);

}  // namespace tesserin
