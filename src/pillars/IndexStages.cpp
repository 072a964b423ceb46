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
  WriteStars(s.libido, display.LibidoStars);
  s.marriage = p.marriage;
  if (s.marriage > 3) display.PersonalityText += kLateMarriageNote;
  s.date = DateGrade(p.datePoints + DatePointsOfWords(display.PersonalityText));
  WriteStars(s.date, display.DateStars);
  s.money = p.money;
  WriteStars(s.money, display.MoneyStars);
  return s;
}

}  // namespace tesserin
