// 要钱指数: how strongly the pillars hold the element that the day stem controls.
#include "tengod/ChartView.h"
#include "tengod/Indices.h"

namespace tesserin {
namespace {

// Beside the two frames, a pair of branches, by day stem pair 丙丁, 戊己, 庚辛, 壬癸 (甲乙, which
// has no wealth frames, has no pair either).
constexpr BranchName kWealthPairs[5][2] = {{}, {辰, 酉}, {申, 巳}, {寅, 亥}, {卯, 戌}};

bool IsYang(int stem) { return stem % 2 == 0; }

}  // namespace

int MoneyIndex(const Pillars& pillars) {
  PillarView v(pillars);
  StemName day = v.DayStem();
  int score = 0;
  if (const Frames* frames = WealthFrames(day)) {
    for (const auto& triple : {frames->first, frames->second}) {
      int k = v.PresentOf(triple[0], triple[1], triple[2]);
      if (k >= 2) score += k;
    }
    const BranchName* pair = kWealthPairs[day / 2];
    if (v.PresentOf(pair[0], pair[1]) == 2) score += 2;
  }
  // A yang day stem whose partner stands as both the year and the month stem.
  if (IsYang(day) && v.Count(PartnerOf(day)) >= 2) score += 2;
  return score;
}

}  // namespace tesserin
