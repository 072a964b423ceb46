#include "pillars/IndexStages.h"

#include "pillars/Ratings.h"
#include "tengod/Indices.h"

namespace tesserin {

IndexScores RunIndexStages(const Pillars& pillars, AnalysisDisplay& display) {
  static const GbkString kLateMarriageNote = Gbk(kLateMarriageNoteUtf8);
  IndexScores s;
  s.chart = TenGodChart(pillars);
  s.libido = LibidoIndex(pillars, s.chart);
  display.LibidoStars = StarText(s.libido);
  s.marriage = MarriageScore(pillars, s.chart);
  if (s.marriage > 3) display.PersonalityText += kLateMarriageNote;
  s.date = DateIndex(pillars, s.chart, display.PersonalityText);
  display.DateStars = StarText(s.date);
  s.money = MoneyIndex(pillars);
  display.MoneyStars = StarText(s.money);
  return s;
}

}  // namespace tesserin
