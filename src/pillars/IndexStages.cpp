#include "pillars/IndexStages.h"

#include "pillars/Ratings.h"
#include "tengod/Indices.h"

namespace tesserin {

IndexScores RunIndexStages(std::string_view pillars, AnalysisDisplay& display) {
  static const GbkString kLateMarriageNote = Gbk("，女晚婚或离婚");
  IndexScores s;
  s.chart = TenGodChart(pillars);
  std::string_view stemGods = s.chart.View().substr(0, 12), branchGods = s.chart.View().substr(12);

  s.libido = LibidoIndex(pillars, stemGods, branchGods);
  display.LibidoStars = StarText(s.libido);
  s.marriage = MarriageScore(pillars, stemGods, branchGods);
  if (s.marriage > 3) display.PersonalityText += kLateMarriageNote;
  s.date = DateIndex(pillars, stemGods, branchGods, display.PersonalityText);
  display.DateStars = StarText(s.date);
  s.money = MoneyIndex(pillars, stemGods, branchGods);
  display.MoneyStars = StarText(s.money);
  return s;
}

}  // namespace tesserin
