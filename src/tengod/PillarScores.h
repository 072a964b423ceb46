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
  bool worked = false;      // in the table: whether the entry has been worked out yet

  GodChart Chart() const;
};

// The scores worked out by the rules (TenGodChart, LibidoIndex, MarriageScore, MoneyIndex,
// DatePointsOfPillars).
PillarScores ScoresByTheRules(const Pillars& pillars);

// The same, from a table over every pillar triple (60^3), each entry worked out by the rules
// when a reading first needs it: a run over many dates works out each triple once (the real
// days of the range make fewer than 30,000 of the 216,000). The table is kept in blocks of the
// sixty day pillars of a year and month pillar, each made at its first use, so that it takes
// memory (and page faults) only where readings go. Readings run on one thread (the window's,
// or the batch reader's), as the analysis run's busy flag assumes too.
const PillarScores& ScoresOf(const Pillars& pillars);

}  // namespace tesserin
