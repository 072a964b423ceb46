// The pillar scores as data: the table made from the rules before the build
// (data/PillarScoresTable.inc, written by data/make_tables.cpp), so that no reading
// works them out, the first of a run no more than any other.
#include "tengod/PillarScores.h"

namespace tesserin {
namespace {

// A month of a year pillar: the month pillar that a date gives with that year pillar (its stem
// follows from the year's stem and the month's branch), and the scores of every day pillar under
// the two.
struct MonthScores {
  std::uint8_t monthPillar;  // kNoMonth where no date gives one
  PillarScores byDay[kCycleLength];
};
constexpr std::uint8_t kNoMonth = 0xFF;

// By year pillar and month branch.
constexpr MonthScores kTable[kCycleLength][12] =
#include "PillarScoresTable.inc"
    ;

}  // namespace

const PillarScores* TabledScores(const Pillars& pillars) {
  const MonthScores& month = kTable[pillars.Entry(kYearPillar)][pillars.Branch(kMonthPillar)];
  if (month.monthPillar != pillars.Entry(kMonthPillar)) return nullptr;
  return &month.byDay[pillars.Entry(kDayPillar)];
}

// Looked up, the scores of a reading take 36 instructions (1.4 ns) against 866 (58 ns) by the
// rules (BM_TunedPiece/scores, bench/count-instructions --pieces; bench/RESULTS.md).
PillarScores ScoresOf(const Pillars& pillars) {
  const PillarScores* tabled = TabledScores(pillars);
  return tabled ? *tabled : ScoresByTheRules(pillars);
}

}  // namespace tesserin
