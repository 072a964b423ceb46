// What a reading computes from its pillars alone: the ten-god chart, the libido, marriage and
// money scores, and the date index's points of the pillars and chart. The personality text
// (and so the date index itself) is not here: it is read afresh on every run.
#pragma once

#include <cstdint>

#include "cycle/Pillars.h"
#include "tengod/TenGod.h"

namespace tesserin {

struct PillarScores {
  std::uint8_t gods[5];  // GodName by Slot
  std::uint8_t libido, marriage, money;
  std::uint8_t datePoints;  // at most 160

  GodChart Chart() const;
  bool operator==(const PillarScores&) const = default;
};

// The scores worked out by the rules (TenGodChart, LibidoIndex, MarriageScore, MoneyIndex,
// DatePointsOfPillars): what the table is made from and held to.
PillarScores ScoresByTheRules(const Pillars& pillars);

// The same, looked up in the table made from the rules (data/PillarScoresTable.inc), which holds
// every pillar triple whose year and month pillars a date of the range gives; a triple outside
// it is worked out by the rules.
PillarScores ScoresOf(const Pillars& pillars);

// The table's entry of a triple, or nullptr for a triple outside it.
const PillarScores* TabledScores(const Pillars& pillars);

}  // namespace tesserin
