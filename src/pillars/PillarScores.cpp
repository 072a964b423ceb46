#include "pillars/PillarScores.h"

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
  s.datePoints = static_cast<std::uint16_t>(DatePointsOfPillars(view));
  return s;
}

const PillarScores& ScoresOf(const Pillars& pillars) {
  // By year pillar and month pillar; a block is made when a reading first needs it.
  static std::array<std::unique_ptr<DayBlock>, kCycleLength * kCycleLength> blocks;
  const int year = pillars.Entry(kYearPillar), month = pillars.Entry(kMonthPillar);
  std::unique_ptr<DayBlock>& block = blocks[year * kCycleLength + month];
  if (!block) {
    block = std::make_unique<DayBlock>();
    for (int day = 0; day < kCycleLength; ++day) (*block)[day] = ScoresByTheRules({year, month, day});
  }
  return (*block)[pillars.Entry(kDayPillar)];
}

}  // namespace tesserin
