#include "tengod/PillarScores.h"

#include "tengod/Indices.h"

namespace tesserin {

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

}  // namespace tesserin
