// 性欲指数: a weighted score over the chart and the pillars, cut into six bands.
#include <array>

#include "tengod/ChartView.h"
#include "tengod/Indices.h"

namespace tesserin {
namespace {

// Weights in half points, so that every sum is exact.
struct NameWeight {
  GodName god;
  int inner, outer;
};
constexpr NameWeight kNameWeights[] = {{伤官, 12, 6}, {劫财, 8, 4}, {食神, 8, 4}, {比肩, 6, 3}};
constexpr int kSealInner = 4, kSealOuter = 2;
constexpr Slot kInner[] = {kMonthStem, kMonthBranch, kDayBranch};
constexpr Slot kOuter[] = {kYearStem, kYearBranch};

// The same weights by slot and name, so that a chart scores with one look per slot.
constexpr auto kWeightBySlot = [] {
  std::array<std::array<int, 10>, 5> weights{};
  for (const NameWeight& w : kNameWeights) {
    for (Slot s : kInner) weights[s][w.god] += w.inner;
    for (Slot s : kOuter) weights[s][w.god] += w.outer;
  }
  for (GodName seal : {正印, 偏印}) {
    for (Slot s : kInner) weights[s][seal] += kSealInner;
    for (Slot s : kOuter) weights[s][seal] += kSealOuter;
  }
  return weights;
}();

// Lower bounds (in half points) of the bands 1 to 5.
constexpr int kBands[] = {6, 10, 16, 22, 28};

// How strongly the branches form the element that controls the day stem; 壬 and 癸 have no row.
int FrameBonus(const ChartView& v) {
  const Frames* frames = OfficerFrames(v.DayStem());
  if (frames == nullptr) return 0;
  auto present = [&](const BranchName (&f)[3]) { return v.PresentOf(f[0], f[1], f[2]); };
  if (present(frames->first) == 3 || present(frames->second) == 3) return 16;
  if (present(frames->first) == 2 || present(frames->second) == 2) return 10;
  const BranchName(&t)[3] = frames->withStorage;
  return v.CountOf(t[0], t[1], t[2]) >= 2 ? 8 : 0;
}

}  // namespace

int LibidoIndex(const Pillars& pillars, const GodChart& chart) { return LibidoIndex(ChartView(pillars, chart)); }

int LibidoIndex(const ChartView& v) {
  int score = 0;

  for (Slot s : kSlots) score += kWeightBySlot[s][v.Chart()[s]];

  // The rule searches BranchGods, which holds the same three branches.
  if (v.Present(辰) && v.Present(戌)) score += 10;
  if (v.DayPillarIs(丁, 巳) || v.DayPillarIs(丁, 亥)) score += 12;
  if (v.DayStemIs(丁) && v.Count(壬) >= 1) score += 12;
  if (v.Count(午) >= 1 && v.Count(亥) >= 1) score += 12;

  if (v.CountOf(壬, 癸, 亥, 子) >= 3 && v.CountOf(戊, 己, 戌, 未) == 0) score += 16;
  if (v.CountOf(戌, 未, 丙, 丁, 午, 巳) >= 3 && v.CountOf(壬, 癸, 亥, 子, 辰, 丑) == 0) score += 16;

  score += FrameBonus(v);
  if ((v.DayStemIs(壬) || v.DayStemIs(癸)) && v.CountOf(戌, 未) >= 3) score += 10;

  return GradeOf(score, kBands);
}

}  // namespace tesserin
