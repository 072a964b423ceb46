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

// The rules are byte-wise: a character is present when a byte search finds it, and a slot holds
// a name when its four bytes are that name. For the texts of a real reading (every character a
// stem or branch in its place, every slot a ten-god name) that is the same as looking at the
// decoded characters, which is what a view of such texts does; any other text is read byte by
// byte. The tests hold both ways to the same answers over every pillar of the cycle.
class ChartView {
 public:
  ChartView(std::string_view pillars, std::string_view stemGods, std::string_view branchGods);

  std::string_view Pillars() const { return pillars_; }
  std::string_view DayStemText() const { return Bytes(pillars_, 9, 2); }
  // Place of the day stem, or kNoIndex.
  int DayStem() const { return decoded_ ? stems_[2] : StemIndex(DayStemText()); }
  bool DayStemIs(StemName stem) const { return DayStem() == stem; }
  bool DayPillarIs(StemName stem, BranchName branch) const {
    return decoded_ ? stems_[2] == stem && branches_[2] == branch
                    : SameBytes(Bytes(pillars_, 9, 2), Ch(stem)) && SameBytes(Bytes(pillars_, 11, 2), Ch(branch));
  }
  bool MonthBranchIs(BranchName b) const { return BranchAt(1, b); }
  bool DayBranchIs(BranchName b) const { return BranchAt(2, b); }
  bool YearStemIs(StemName s) const { return StemAt(0, s); }
  bool MonthStemIs(StemName s) const { return StemAt(1, s); }
  bool YearBranchIs(BranchName b) const { return BranchAt(0, b); }

  // Present: a byte search in the pillars finds it. Count: how many of the six characters are it.
  bool Present(StemName s) const { return decoded_ ? stemCount_[s] > 0 : ContainsText(pillars_, Ch(s)) == 1; }
  bool Present(BranchName b) const { return decoded_ ? branchCount_[b] > 0 : ContainsText(pillars_, Ch(b)) == 1; }
  int Count(StemName s) const { return decoded_ ? stemCount_[s] : CountUnits(pillars_, Ch(s)); }
  int Count(BranchName b) const { return decoded_ ? branchCount_[b] : CountUnits(pillars_, Ch(b)); }
  template <typename... Characters>
  int PresentOf(Characters... cs) const { return (int{Present(cs)} + ...); }
  template <typename... Characters>
  int CountOf(Characters... cs) const { return (Count(cs) + ...); }
  // A byte search in BranchGods (the branches with their names) finds the branch.
  bool BranchGodsContain(BranchName b) const {
    return decoded_ ? branchCount_[b] > 0 : ContainsText(branchGods_, Ch(b)) == 1;
  }

  bool Holds(Slot slot, GodName god) const { return decoded_ ? gods_[slot] == god : SameBytes(SlotName(slot), Name(god)); }
  // The slot's second character is 印: it holds 正印 or 偏印.
  bool HoldsSeal(Slot slot) const {
    return decoded_ ? gods_[slot] == 正印 || gods_[slot] == 偏印 : SealBytesAt(slot);
  }
  int SlotsHolding(GodName god) const { return decoded_ ? godCount_[god] : SlotsHoldingBytes(god); }
  // OfficerScore of the day stem and the pillars.
  int OfficerScore() const;

 private:
  std::string_view SlotName(Slot slot) const;
  bool SealBytesAt(Slot slot) const;
  int SlotsHoldingBytes(GodName god) const;
  bool StemAt(int pillar, StemName s) const {
    return decoded_ ? stems_[pillar] == s : SameBytes(Bytes(pillars_, 4 * pillar + 1, 2), Ch(s));
  }
  bool BranchAt(int pillar, BranchName b) const {
    return decoded_ ? branches_[pillar] == b : SameBytes(Bytes(pillars_, 4 * pillar + 3, 2), Ch(b));
  }

  std::string_view pillars_, stemGods_, branchGods_;
  bool decoded_ = false;
  int stems_[3] = {}, branches_[3] = {};  // year, month, day
  int gods_[5] = {};                      // by slot
  int stemCount_[10] = {}, branchCount_[12] = {}, godCount_[10] = {};
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

// The grade 0..5 of a score: how many of the five lower bounds it reaches (a score on a bound
// takes the higher grade).
inline int GradeOf(int score, const int (&lowerBounds)[5]) {
  int grade = 0;
  for (int bound : lowerBounds) grade += score >= bound ? 1 : 0;
  return grade;
}

// The stem that combines with a stem: 甲己, 乙庚, 丙辛, 丁壬, 戊癸.
inline StemName PartnerOf(int stem) { return static_cast<StemName>((stem + 5) % 10); }
// The day stem combines with a partner standing as the year or month stem.
bool CombinesWithPartner(const ChartView& v);

}  // namespace tesserin
