#include "pillars/IndexStages.h"

#include "pillars/Ratings.h"
#include "tengod/Indices.h"

namespace tesserin {

IndexScores RunIndexStages(const Pillars& pillars, AnalysisDisplay& display) {
  static const GbkString kLateMarriageNote = Gbk(kLateMarriageNoteUtf8);
  IndexScores s;
  s.chart = TenGodChart(pillars);
  const ChartView view(pillars, s.chart);
  s.libido = LibidoIndex(view);
  display.LibidoStars = StarText(s.libido);
  s.marriage = MarriageScore(view);
  if (s.marriage > 3) display.PersonalityText += kLateMarriageNote;
  s.date = DateIndex(view, display.PersonalityText);
  display.DateStars = StarText(s.date);
  s.money = MoneyIndex(pillars);
  display.MoneyStars = StarText(s.money);
  return s;
}

}  // namespace tesserin
