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
  std::uint16_t datePoints;

  GodChart Chart() const;
};

// The scores worked out by the rules (TenGodChart, LibidoIndex, MarriageScore, MoneyIndex,
// DatePointsOfPillars).
PillarScores ScoresByTheRules(const Pillars& pillars);

// The same, from a table over every pillar triple (60^3). The table is filled from the rules
// sixty days at a time: the first reading of a year and month pillar works out the scores of
// that pair with every day pillar. Readings run on one thread (the window's, or the batch
// reader's), as the analysis run's busy flag assumes too.
const PillarScores& ScoresOf(const Pillars& pillars);

}  // namespace tesserin
