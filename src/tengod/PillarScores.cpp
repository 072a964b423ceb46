#include "tengod/PillarScores.h"

#include <array>
#include <memory>

#include "tengod/Indices.h"

namespace tesserin {
namespace {

using DayBlock = std::array<PillarScores, kCycleLength>;  // by day pillar

}  // namespace

GodChart PillarScores::Chart() const {
  GodChart chart;
  for (Slot slot : kSlots) chart.slots[slot] = static_cast<GodName>(gods[slot]);
  return chart;
}

PillarScores ScoresByTheRules(const Pillars& pillars) {
  const GodChart chart = TenGodChart(pillars);
  const ChartView view(pillars, chart);
  PillarScores s{};
  for (Slot slot : kSlots) s.gods[slot] = static_cast<std::uint8_t>(chart[slot]);
  s.libido = static_cast<std::uint8_t>(LibidoIndex(view));
  s.marriage = static_cast<std::uint8_t>(MarriageScore(view));
  s.money = static_cast<std::uint8_t>(MoneyIndex(pillars));
  s.datePoints = static_cast<std::uint8_t>(DatePointsOfPillars(view));
  return s;
}

// Without the table a reading over every date takes 2.5 times as long, the batch 9 % longer
// (BM_ReadingEveryDate, BM_BatchWholeProcess; bench/RESULTS.md).
const PillarScores& ScoresOf(const Pillars& pillars) {
  static std::array<std::unique_ptr<DayBlock>, kCycleLength * kCycleLength> blocks;  // by year, month
  std::unique_ptr<DayBlock>& block = blocks[pillars.Entry(kYearPillar) * kCycleLength + pillars.Entry(kMonthPillar)];
  if (!block) block = std::make_unique<DayBlock>();  // no entry worked out yet
  PillarScores& entry = (*block)[pillars.Entry(kDayPillar)];
  if (!entry.worked) {
    entry = ScoresByTheRules(pillars);
    entry.worked = true;
  }
  return entry;
}

}  // namespace tesserin
