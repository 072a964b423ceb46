// The year, month and day pillars of a reading, as three entries of the cycle.
#pragma once

#include <cstdint>

#include "cycle/CycleTable.h"

namespace tesserin {

enum PillarPlace { kYearPillar, kMonthPillar, kDayPillar };

struct Pillars {
  std::uint8_t entries[3] = {};  // CycleTable entries, year, month, day

  constexpr Pillars() = default;
  constexpr Pillars(int year, int month, int day)
      : entries{static_cast<std::uint8_t>(year), static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(day)} {}

  constexpr int Entry(PillarPlace place) const { return entries[place]; }
  constexpr StemName Stem(PillarPlace place) const { return StemOf(entries[place]); }
  constexpr BranchName Branch(PillarPlace place) const { return BranchOf(entries[place]); }
  constexpr StemName DayStem() const { return Stem(kDayPillar); }

  bool operator==(const Pillars&) const = default;
};

}  // namespace tesserin
