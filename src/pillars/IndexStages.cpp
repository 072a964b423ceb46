#include "pillars/IndexStages.h"

#include "pillars/Ratings.h"
#include "tengod/ChartView.h"
#include "tengod/Indices.h"

namespace tesserin {

IndexScores RunIndexStages(std::string_view pillars, AnalysisDisplay& display) {
  static const GbkString kLateMarriageNote = Gbk("，女晚婚或离婚");
  IndexScores s;
  s.chart = TenGodChart(pillars);
  std::string_view stemGods = s.chart.View().substr(0, 12), branchGods = s.chart.View().substr(12);

  ChartView view(pillars, stemGods, branchGods);

  s.libido = LibidoIndex(view);
  display.LibidoStars = StarText(s.libido);
  s.marriage = MarriageScore(view);
  if (s.marriage > 3) display.PersonalityText += kLateMarriageNote;
  s.date = DateIndex(view, display.PersonalityText);
  display.DateStars = StarText(s.date);
  s.money = MoneyIndex(view);
  display.MoneyStars = StarText(s.money);
  return s;
}

}  // namespace tesserin
