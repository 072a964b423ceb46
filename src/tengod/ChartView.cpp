#include "tengod/ChartView.h"

#include <cstdint>
#include <cstring>

#include "base/Gbk.h"
#include "tengod/TenGod.h"

namespace tesserin {
namespace {

struct GodTexts {
  GbkString names[10];
  std::uint32_t codes[10];  // each name's four bytes as one number
  GbkString seal = Gbk("印");
  GodTexts() {
    const char* utf8[10] = {"比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印", "正印"};
    for (int i = 0; i < 10; ++i) {
      names[i] = Gbk(utf8[i]);
      std::memcpy(&codes[i], names[i].data(), 4);
    }
  }
};

const GodTexts& TheGodTexts() {
  static const GodTexts texts;
  return texts;
}

// Where each slot's name stands: in StemGods or BranchGods, from which 1-based byte.
struct SlotPlace {
  bool inBranchGods;
  std::size_t position;
};
constexpr SlotPlace kSlotPlaces[] = {{false, 1}, {true, 3}, {false, 5}, {true, 9}, {true, 15}};

// Metal, water, wood, fire: the element's two frames.
constexpr Frames kFrames[] = {
    {{申, 酉, 戌}, {巳, 酉, 丑}, {申, 酉, 丑}},
    {{申, 子, 辰}, {亥, 子, 丑}, {亥, 子, 辰}},
    {{亥, 卯, 未}, {寅, 卯, 辰}, {寅, 卯, 未}},
    {{巳, 午, 未}, {寅, 午, 戌}, {巳, 午, 戌}},
};
enum Element { kMetal, kWater, kWood, kFire, kNone };
// By stem pair (甲乙, 丙丁, 戊己, 庚辛, 壬癸).
constexpr Element kOfficerElement[] = {kMetal, kWater, kWood, kFire, kNone};
constexpr Element kWealthElement[] = {kNone, kMetal, kWater, kWood, kFire};

const Frames* FramesOf(const Element* byPair, int dayStem) {
  if (dayStem < 0 || dayStem > 9 || byPair[dayStem / 2] == kNone) return nullptr;
  return &kFrames[byPair[dayStem / 2]];
}

int GodIndex(const GodTexts& t, std::string_view name) {
  if (name.size() != 4) return kNoIndex;
  std::uint32_t code;
  std::memcpy(&code, name.data(), 4);
  for (int i = 0; i < 10; ++i)
    if (code == t.codes[i]) return i;
  return kNoIndex;
}

}  // namespace

ChartView::ChartView(std::string_view pillars, std::string_view stemGods, std::string_view branchGods)
    : pillars_(pillars), stemGods_(stemGods), branchGods_(branchGods) {
  if (pillars.size() != 12 || stemGods.size() != 12 || branchGods.size() != 18) return;
  for (int p = 0; p < 3; ++p) {
    stems_[p] = StemIndex(pillars.substr(4 * p, 2));
    branches_[p] = BranchIndex(pillars.substr(4 * p + 2, 2));
    if (stems_[p] == kNoIndex || branches_[p] == kNoIndex) return;
    // BranchGods repeats the branches in its own places.
    if (!SameBytes(branchGods.substr(6 * p, 2), pillars.substr(4 * p + 2, 2))) return;
  }
  const GodTexts& names = TheGodTexts();
  for (Slot slot : kSlots) {
    gods_[slot] = GodIndex(names, SlotName(slot));
    if (gods_[slot] == kNoIndex) return;
  }
  for (int god : gods_) ++godCount_[god];
  for (int p = 0; p < 3; ++p) {
    ++stemCount_[stems_[p]];
    ++branchCount_[branches_[p]];
  }
  decoded_ = true;
}

std::string_view Name(GodName god) { return TheGodTexts().names[god]; }
std::string_view SealCharacter() { return TheGodTexts().seal; }

std::string_view ChartView::SlotName(Slot slot) const {
  const SlotPlace& place = kSlotPlaces[slot];
  return Bytes(place.inBranchGods ? branchGods_ : stemGods_, place.position, 4);
}

bool ChartView::SealBytesAt(Slot slot) const {
  const SlotPlace& place = kSlotPlaces[slot];
  return SameBytes(Bytes(place.inBranchGods ? branchGods_ : stemGods_, place.position + 2, 2), SealCharacter());
}

int ChartView::OfficerScore() const {
  if (!decoded_) return tesserin::OfficerScore(DayStemText(), pillars_);
  OfficerTally total;
  for (int branch : branches_) {
    OfficerTally t = HiddenOfficers(stems_[2], branch);
    total.officers += t.officers;
    total.killers += t.killers;
  }
  return OfficerClass(total);
}

int ChartView::SlotsHoldingBytes(GodName god) const {
  int n = 0;
  for (Slot slot : kSlots) n += Holds(slot, god) ? 1 : 0;
  return n;
}

const Frames* OfficerFrames(int dayStem) { return FramesOf(kOfficerElement, dayStem); }
const Frames* WealthFrames(int dayStem) { return FramesOf(kWealthElement, dayStem); }

bool CombinesWithPartner(const ChartView& v) {
  int day = v.DayStem();
  if (day == kNoIndex) return false;
  return v.Count(PartnerOf(day)) + ContainsText(v.Pillars(), v.DayStemText()) >= 2;
}

}  // namespace tesserin
