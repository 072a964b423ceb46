#include "tengod/ChartView.h"

namespace tesserin {
namespace {

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

const Frames* FramesOf(const Element* byPair, StemName dayStem) {
  Element e = byPair[dayStem / 2];
  return e == kNone ? nullptr : &kFrames[e];
}

}  // namespace

PillarView::PillarView(const Pillars& p) : pillars_(p) {
  for (PillarPlace place : {kYearPillar, kMonthPillar, kDayPillar}) {
    stems_[place] = p.Stem(place);
    branches_[place] = p.Branch(place);
    ++stemCounts_[stems_[place]];
    ++branchCounts_[branches_[place]];
  }
}

ChartView::ChartView(const Pillars& p, const GodChart& chart)
    : PillarView(p), chart_(chart), officerScore_(tesserin::OfficerScore(p.DayStem(), p)) {
  for (GodName god : chart.slots) ++godCounts_[god];
}

const Frames* OfficerFrames(StemName dayStem) { return FramesOf(kOfficerElement, dayStem); }
const Frames* WealthFrames(StemName dayStem) { return FramesOf(kWealthElement, dayStem); }

}  // namespace tesserin
