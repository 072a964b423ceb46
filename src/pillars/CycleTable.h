// The sixty pillars of the sexagenary cycle, 甲子 (entry 0) to 癸亥 (entry 59): entry i is
// stem i mod 10 followed by branch i mod 12, each character 2 bytes of code page 936.
#pragma once

#include <array>
#include <string_view>

#include "base/Gbk.h"

namespace tesserin {

constexpr int kCycleLength = 60;
constexpr int kNoIndex = -1;

// Entry 0..59, a 4-byte pillar.
std::string_view CycleEntry(int index);
const std::array<GbkString, kCycleLength>& CycleTable();

// The number of the entry whose 4 bytes equal `pillar`, or kNoIndex.
int CycleIndex(std::string_view pillar);

// Counting n places on (or back, for negative n) from entry `index`, wrapping through the cycle.
constexpr int CycleStep(int index, int n) { return ((index + n) % kCycleLength + kCycleLength) % kCycleLength; }

// The ten stems and the twelve branches, 2 bytes each, in cycle order.
std::string_view Stem(int index);
std::string_view Branch(int index);
// The place of a 2-byte stem (0..9) or branch (0..11), or kNoIndex.
int StemIndex(std::string_view character);
int BranchIndex(std::string_view character);

}  // namespace tesserin
