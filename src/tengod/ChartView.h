// What the indices read of a reading, named as the rules name it. Stems, branches and ten-god
// names are written as their own characters, so each rule reads like the rule it is.
#pragma once

#include <string_view>

#include "base/TextOps.h"
#include "pillars/CycleTable.h"
#include "tengod/Counting.h"

namespace tesserin {

enum StemName { 甲, 乙, 丙, 丁, 戊, 己, 庚, 辛, 壬, 癸 };
enum BranchName { 子, 丑, 寅, 卯, 辰, 巳, 午, 未, 申, 酉, 戌, 亥 };
enum GodName { 比肩, 劫财, 食神, 伤官, 偏财, 正财, 七杀, 正官, 偏印, 正印 };

inline std::string_view Ch(StemName stem) { return Stem(stem); }
inline std::string_view Ch(BranchName branch) { return Branch(branch); }
std::string_view Name(GodName god);  // 4 bytes
std::string_view SealCharacter();    // "印", the second character of 正印 and 偏印 alone

// The five god slots: the names of the year stem, year branch, month stem, month branch and day
// branch (the day stem has none). Inner slots sit next to the day stem, outer ones in the year.
enum Slot { kYearStem, kYearBranch, kMonthStem, kMonthBranch, kDayBranch };
constexpr Slot kSlots[] = {kYearStem, kYearBranch, kMonthStem, kMonthBranch, kDayBranch};

class ChartView {
 public:
  ChartView(std::string_view pillars, std::string_view stemGods, std::string_view branchGods)
      : pillars_(pillars), stemGods_(stemGods), branchGods_(branchGods) {}

  std::string_view Pillars() const { return pillars_; }
  std::string_view BranchGods() const { return branchGods_; }
  std::string_view DayPillar() const { return Bytes(pillars_, 9, 4); }
  std::string_view DayStemText() const { return Bytes(pillars_, 9, 2); }
  bool DayStemIs(StemName stem) const { return DayStemText() == Ch(stem); }
  // Place of the day stem, or kNoIndex.
  int DayStem() const { return StemIndex(DayStemText()); }
  bool DayPillarIs(StemName stem, BranchName branch) const {
    return Bytes(pillars_, 9, 2) == Ch(stem) && Bytes(pillars_, 11, 2) == Ch(branch);
  }
  bool MonthBranchIs(BranchName b) const { return Bytes(pillars_, 7, 2) == Ch(b); }
  bool DayBranchIs(BranchName b) const { return Bytes(pillars_, 11, 2) == Ch(b); }

  // Present: a byte search in the pillars finds it. Count: how many of the six characters are it.
  template <typename Character>
  bool Present(Character c) const { return ContainsText(pillars_, Ch(c)) == 1; }
  template <typename Character>
  int Count(Character c) const { return CountUnits(pillars_, Ch(c)); }
  template <typename... Characters>
  int PresentOf(Characters... cs) const { return (int{Present(cs)} + ...); }
  template <typename... Characters>
  int CountOf(Characters... cs) const { return (Count(cs) + ...); }

  std::string_view SlotName(Slot slot) const;
  bool Holds(Slot slot, GodName god) const { return SlotName(slot) == Name(god); }
  // The slot's second character is 印: it holds 正印 or 偏印.
  bool HoldsSeal(Slot slot) const;
  int SlotsHolding(GodName god) const;

 private:
  std::string_view pillars_, stemGods_, branchGods_;
};

// The two branch frames in which an element gathers, and its two branches with its storage
// branch (丑 for metal, 辰 water, 未 wood, 戌 fire).
struct Frames {
  BranchName first[3], second[3], withStorage[3];
};
// The frames of the element that controls the day stem (its officer), or nullptr for 壬 and 癸.
const Frames* OfficerFrames(int dayStem);
// The frames of the element that the day stem controls (its wealth), or nullptr for 甲 and 乙.
const Frames* WealthFrames(int dayStem);

// The stem that combines with a stem: 甲己, 乙庚, 丙辛, 丁壬, 戊癸.
inline StemName PartnerOf(int stem) { return static_cast<StemName>((stem + 5) % 10); }
// The day stem combines with a partner standing as the year or month stem.
bool CombinesWithPartner(const ChartView& v);

}  // namespace tesserin
