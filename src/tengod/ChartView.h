// What the indices read of a reading, named as the rules name it. The rules are written over the
// texts of the pillars and the chart (a character is present when a byte search finds it, a
// slot holds a name when its four bytes are that name); for every text a reading makes that is
// the same as looking at the characters and names themselves, which is what these views do.
#pragma once

#include "cycle/Pillars.h"
#include "tengod/TenGod.h"

namespace tesserin {

// The six characters of the pillars, by place and by presence.
class PillarView {
 public:
  explicit PillarView(const Pillars& p);

  StemName DayStem() const { return stems_[kDayPillar]; }
  bool DayStemIs(StemName stem) const { return DayStem() == stem; }
  bool DayPillarIs(StemName stem, BranchName branch) const {
    return stems_[kDayPillar] == stem && branches_[kDayPillar] == branch;
  }
  bool YearStemIs(StemName s) const { return stems_[kYearPillar] == s; }
  bool MonthStemIs(StemName s) const { return stems_[kMonthPillar] == s; }
  bool YearBranchIs(BranchName b) const { return branches_[kYearPillar] == b; }
  bool MonthBranchIs(BranchName b) const { return branches_[kMonthPillar] == b; }
  bool DayBranchIs(BranchName b) const { return branches_[kDayPillar] == b; }

  // Present: one of the six characters is it. Count: how many of them are it.
  bool Present(StemName s) const { return Count(s) != 0; }
  bool Present(BranchName b) const { return Count(b) != 0; }
  int Count(StemName s) const { return stemCounts_[s]; }
  int Count(BranchName b) const { return branchCounts_[b]; }
  template <typename... Characters>
  int PresentOf(Characters... cs) const { return (int{Present(cs)} + ...); }
  template <typename... Characters>
  int CountOf(Characters... cs) const { return (Count(cs) + ...); }

  int DayEntry() const { return pillars_.Entry(kDayPillar); }

 private:
  Pillars pillars_;
  StemName stems_[3];
  BranchName branches_[3];
  // How many of the three stems (branches) are each character.
  int stemCounts_[10] = {}, branchCounts_[12] = {};
};

// The pillars with the names in the five god slots, made once for the three scores that read the
// chart (by the pillar scores of the rules, which make the table that readings look them up in).
class ChartView : public PillarView {
 public:
  ChartView(const Pillars& p, const GodChart& chart);

  const GodChart& Chart() const { return chart_; }
  bool Holds(Slot slot, GodName god) const { return chart_[slot] == god; }
  int SlotsHolding(GodName god) const { return godCounts_[god]; }
  // OfficerScore of the day stem and the pillars, worked out once for the scores that read it.
  int OfficerScore() const { return officerScore_; }

 private:
  GodChart chart_;
  int godCounts_[10] = {};  // by name
  int officerScore_ = 0;
};

// The two branch frames in which an element gathers, and its two branches with its storage
// branch (丑 for metal, 辰 water, 未 wood, 戌 fire).
struct Frames {
  BranchName first[3], second[3], withStorage[3];
};
// The frames of the element that controls the day stem (its officer), or nullptr for 壬 and 癸.
const Frames* OfficerFrames(StemName dayStem);
// The frames of the element that the day stem controls (its wealth), or nullptr for 甲 and 乙.
const Frames* WealthFrames(StemName dayStem);

// The grade 0..5 of a score: how many of the five lower bounds it reaches (a score on a bound
// takes the higher grade).
inline int GradeOf(int score, const int (&lowerBounds)[5]) {
  int grade = 0;
  for (int bound : lowerBounds) grade += score >= bound ? 1 : 0;
  return grade;
}

// The stem that combines with a stem: 甲己, 乙庚, 丙辛, 丁壬, 戊癸.
inline StemName PartnerOf(StemName stem) { return static_cast<StemName>((stem + 5) % 10); }
// The day stem combines with a partner standing as the year or month stem. (The rule adds the
// partner's count to the presence of the day stem, which is always there, and asks for 2.)
inline bool CombinesWithPartner(const PillarView& v) { return v.Count(PartnerOf(v.DayStem())) >= 1; }

}  // namespace tesserin
