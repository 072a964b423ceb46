#include "pillars/CycleTable.h"

#include <cstdint>

#include "base/TextOps.h"


namespace tesserin {
namespace {

constexpr const char* kStems = "甲乙丙丁戊己庚辛壬癸";
constexpr const char* kBranches = "子丑寅卯辰巳午未申酉戌亥";

struct Cycle {
  GbkString stems = Gbk(kStems);
  GbkString branches = Gbk(kBranches);
  std::array<GbkString, kCycleLength> entries;
  std::uint16_t stemCodes[10], branchCodes[12];

  Cycle() {
    for (int i = 0; i < kCycleLength; ++i)
      entries[i] = stems.substr(2 * (i % 10), 2) + branches.substr(2 * (i % 12), 2);
    for (int i = 0; i < 10; ++i) stemCodes[i] = CodeOf(std::string_view(stems).substr(2 * i, 2));
    for (int i = 0; i < 12; ++i) branchCodes[i] = CodeOf(std::string_view(branches).substr(2 * i, 2));
  }
};

const Cycle& TheCycle() {
  static const Cycle cycle;
  return cycle;
}

// Place of a 2-byte character among the codes, or kNoIndex.
template <std::size_t N>
int PlaceIn(const std::uint16_t (&codes)[N], std::string_view character) {
  if (character.size() != 2) return kNoIndex;
  std::uint16_t code = CodeOf(character);
  for (std::size_t i = 0; i < N; ++i)
    if (codes[i] == code) return static_cast<int>(i);
  return kNoIndex;
}

}  // namespace

const std::array<GbkString, kCycleLength>& CycleTable() { return TheCycle().entries; }

std::string_view CycleEntry(int index) { return TheCycle().entries[index]; }

std::string_view Stem(int index) { return std::string_view(TheCycle().stems).substr(2 * index, 2); }
std::string_view Branch(int index) { return std::string_view(TheCycle().branches).substr(2 * index, 2); }

int StemIndex(std::string_view character) { return PlaceIn(TheCycle().stemCodes, character); }
int BranchIndex(std::string_view character) { return PlaceIn(TheCycle().branchCodes, character); }

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
