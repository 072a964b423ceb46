#include "pillars/IndexStages.h"

#include "pillars/PillarScores.h"
#include "pillars/Ratings.h"
#include "tengod/Indices.h"

namespace tesserin {

IndexScores RunIndexStages(const Pillars& pillars, AnalysisDisplay& display) {
  static const GbkString kLateMarriageNote = Gbk(kLateMarriageNoteUtf8);
  const PillarScores& p = ScoresOf(pillars);
  IndexScores s;
  s.chart = p.Chart();
  s.libido = p.libido;
  display.LibidoStars = StarText(s.libido);
  s.marriage = p.marriage;
  if (s.marriage > 3) display.PersonalityText += kLateMarriageNote;
  s.date = DateGrade(p.datePoints + DatePointsOfWords(display.PersonalityText));
  display.DateStars = StarText(s.date);
  s.money = p.money;
  display.MoneyStars = StarText(s.money);
  return s;
}

}  // namespace tesserin
