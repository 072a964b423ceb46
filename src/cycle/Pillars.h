// cycle/: the sexagenary cycle: the ten stems, the twelve branches, the sixty pillars
// (CycleTable.h) and a reading's three pillars as cycle entries (this file).
//
// The year, month and day pillars of a reading, as three entries of the cycle.
#pragma once

#include <cstdint>

#include "cycle/CycleTable.h"

namespace tesserin {

enum PillarPlace { kYearPillar, kMonthPillar, kDayPillar };

class Pillars {
 public:
  constexpr Pillars() = default;
  // Three CycleTable entries, 0..59.
  constexpr Pillars(int year, int month, int day)
      : packed_(static_cast<std::uint32_t>(year) | static_cast<std::uint32_t>(month) << 8 |
                static_cast<std::uint32_t>(day) << 16) {}

  constexpr int Entry(PillarPlace place) const { return static_cast<int>((packed_ >> (8 * place)) & 0xFF); }
  constexpr StemName Stem(PillarPlace place) const { return StemOf(Entry(place)); }
  constexpr BranchName Branch(PillarPlace place) const { return BranchOf(Entry(place)); }
  constexpr StemName DayStem() const { return Stem(kDayPillar); }

  bool operator==(const Pillars&) const = default;

 private:
  // One byte an entry in one word, a value that travels in a register: as three bytes apart a
  // reading over every date takes 10 % longer (BM_ReadingEveryDate, bench/RESULTS.md).
  std::uint32_t packed_ = 0;
};

}  // namespace tesserin
