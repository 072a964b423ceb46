// The sixty pillars of the sexagenary cycle, 甲子 (entry 0) to 癸亥 (entry 59): entry i is
// stem i mod 10 followed by branch i mod 12. A reading works on these numbers; the texts, each
// character 2 bytes of code page 936, are for display.
#pragma once

#include <string_view>

#include "base/Gbk.h"

namespace tesserin {

constexpr int kCycleLength = 60;

// Stems and branches by their place in the cycle, written as their own characters so that the
// rules that name them read like the rules.
enum StemName { 甲, 乙, 丙, 丁, 戊, 己, 庚, 辛, 壬, 癸 };
enum BranchName { 子, 丑, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥 };

constexpr StemName StemOf(int entry) { return static_cast<StemName>(entry % 10); }
constexpr BranchName BranchOf(int entry) { return static_cast<BranchName>(entry % 12); }

// The entry of a stem and a branch of the same parity (甲子, 乙丑, ...; never 甲丑).
constexpr int EntryOf(StemName stem, BranchName branch) {
  return (6 * stem - 5 * branch + 5 * kCycleLength) % kCycleLength;
}

// Counting n places on (or back, for negative n) from entry `index`, wrapping through the cycle.
constexpr int CycleStep(int index, int n) { return ((index + n) % kCycleLength + kCycleLength) % kCycleLength; }

// Display texts: a pillar in code page 936 (4 bytes); a stem or branch in code page 936 (2
// bytes) or in UTF-8 (3 bytes).
std::string_view CycleEntry(int index);
std::string_view StemText(StemName stem, TextEncoding encoding = TextEncoding::kGbk);
std::string_view BranchText(BranchName branch, TextEncoding encoding = TextEncoding::kGbk);

}  // namespace tesserin
