#include "pillars/CycleTable.h"

#include <cstring>

namespace tesserin {
namespace {

constexpr const char* kStems = "甲乙丙丁戊己庚辛壬癸";
constexpr const char* kBranches = "子丑寅卯辰巳午未申酉戌亥";

struct Cycle {
  GbkString stems = Gbk(kStems);
  GbkString branches = Gbk(kBranches);
  std::array<GbkString, kCycleLength> entries;

  Cycle() {
    for (int i = 0; i < kCycleLength; ++i)
      entries[i] = stems.substr(2 * (i % 10), 2) + branches.substr(2 * (i % 12), 2);
  }
};

const Cycle& TheCycle() {
  static const Cycle cycle;
  return cycle;
}

// Place of a 2-byte character in a run of 2-byte characters, or kNoIndex.
int PlaceIn(std::string_view run, std::string_view character) {
  if (character.size() != 2) return kNoIndex;
  for (std::size_t i = 0; i < run.size(); i += 2)
    if (run[i] == character[0] && run[i + 1] == character[1]) return static_cast<int>(i / 2);
  return kNoIndex;
}

}  // namespace

const std::array<GbkString, kCycleLength>& CycleTable() { return TheCycle().entries; }

std::string_view CycleEntry(int index) { return TheCycle().entries[index]; }

std::string_view Stem(int index) { return std::string_view(TheCycle().stems).substr(2 * index, 2); }
std::string_view Branch(int index) { return std::string_view(TheCycle().branches).substr(2 * index, 2); }

int StemIndex(std::string_view character) { return PlaceIn(TheCycle().stems, character); }
int BranchIndex(std::string_view character) { return PlaceIn(TheCycle().branches, character); }

int CycleIndex(std::string_view pillar) {
  if (pillar.size() != 4) return kNoIndex;
  int stem = StemIndex(pillar.substr(0, 2));
  int branch = BranchIndex(pillar.substr(2, 2));
  // A stem and a branch of different parity never stand together in the cycle (甲丑).
  if (stem == kNoIndex || branch == kNoIndex || stem % 2 != branch % 2) return kNoIndex;
  // The entry i with i mod 10 = stem and i mod 12 = branch.
  for (int i = stem; i < kCycleLength; i += 10)
    if (i % 12 == branch) return i;
  return kNoIndex;
}

}  // namespace tesserin
