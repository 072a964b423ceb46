// 可约指数: how likely an invitation to a date is to succeed, from the chart, the pillars and
// four words of the personality text (the late-marriage note included).
#include "base/GbkLiteral.h"
#include "tengod/ChartView.h"
#include "tengod/Indices.h"

namespace tesserin {
namespace {

// Pairs of branches that score 3 when both are present; two of them score 6 for a day stem of
// one stem pair.
struct BranchPairPoints {
  BranchName a, b;
  StemName doubledFor;  // with its pair partner; 甲 stands for "never" (甲乙 doubles nothing)
};
constexpr BranchPairPoints kBranchPairs[] = {
    {子, 丑, 甲}, {寅, 亥, 戊}, {卯, 戌, 庚}, {辰, 酉, 甲}, {巳, 申, 甲}, {午, 未, 甲},
};

struct WordPoints {
  GbkLiteral word;
  int points;
};
const WordPoints kWords[] = {
    {GbkLiteral{"婚姻"}, 3}, {GbkLiteral{"晚婚"}, 4}, {GbkLiteral{"桃花"}, 7}, {GbkLiteral{"风尘"}, 5}};

// Lower bounds of the grades 1 to 5.
constexpr int kGrades[] = {5, 10, 15, 20, 25};

// The officer block: +15 when the element that controls the day stem stands complete or
// threefold, else +10 when two of a frame stand.
int OfficerBlock(const ChartView& v) {
  const Frames* frames = OfficerFrames(v.DayStem());
  if (frames == nullptr) return 0;
  auto present = [&](const BranchName (&f)[3]) { return v.PresentOf(f[0], f[1], f[2]); };
  // The two branches that stand for the element itself, each of which may fill all three places.
  BranchName first = frames->withStorage[0], second = frames->withStorage[1];
  if (present(frames->first) == 3 || present(frames->second) == 3 || v.Count(first) >= 3 || v.Count(second) >= 3)
    return 15;
  if (present(frames->first) == 2 || present(frames->second) == 2) return 10;
  return 0;
}

}  // namespace

int DateIndex(const Pillars& pillars, const GodChart& chart, std::string_view personality) {
  return DateIndex(ChartView(pillars, chart), personality);
}

int DateIndex(const ChartView& v, std::string_view personality) {
  return DateGrade(DatePointsOfPillars(v) + DatePointsOfWords(personality));
}

// Each word counts once, however often it stands; it is found by its bytes, wherever they stand.
// A reading looks its words up in a table (IndexStages.cpp), so this runs once per text.
int DatePointsOfWords(std::string_view personality) {
  int points = 0;
  for (const WordPoints& w : kWords)
    if (personality.find(w.word.Text()) != std::string_view::npos) points += w.points;
  return points;
}

int DateGrade(int points) { return GradeOf(points, kGrades); }

int DatePointsOfPillars(const ChartView& v) {
  int score = 0;

  int upright = v.SlotsHolding(正官), killers = v.SlotsHolding(七杀);
  if ((upright >= 1 && killers >= 1) || upright >= 2) score += 5;
  if (v.OfficerScore() == 2) score += 5;
  // The rule searches BranchGods, which holds the same three branches.
  if (v.Present(辰) && v.Present(戌)) score += 10;
  if (v.DayPillarIs(丁, 巳) || v.DayPillarIs(癸, 亥)) score += 5;
  if (v.Holds(kDayBranch, 伤官)) score += 5;
  if (v.PresentOf(午, 亥) == 2) score += 5;
  if (v.PresentOf(巳, 亥) == 2) score += 5;
  if (v.CountOf(亥, 子) >= 3) score += 10;
  if (v.CountOf(戌, 未, 丙, 丁, 午, 巳) >= 3 && v.PresentOf(壬, 癸, 亥, 子, 辰, 丑) == 0) score += 10;
  score += OfficerBlock(v);
  if ((v.DayStemIs(壬) || v.DayStemIs(癸)) && v.Count(戌) >= 3) score += 10;
  if (v.CountOf(壬, 癸) >= 2 && v.PresentOf(申, 子, 辰) == 3) score += 6;
  if (CombinesWithPartner(v)) score += v.DayStemIs(丁) || v.DayStemIs(壬) ? 8 : 5;
  score += 5 * v.SlotsHolding(伤官) + 3 * v.SlotsHolding(食神);
  for (const BranchPairPoints& p : kBranchPairs) {
    if (v.PresentOf(p.a, p.b) != 2) continue;
    bool doubled = p.doubledFor != 甲 && v.DayStem() / 2 == p.doubledFor / 2;
    score += doubled ? 6 : 3;
  }
  return score;
}

}  // namespace tesserin
