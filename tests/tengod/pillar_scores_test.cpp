// The table of what a reading computes from its pillars alone, against the rules themselves, for
// every pillar triple, each asked for twice: once to be worked out, once as the table holds it.
#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "reading/AnalysisRun.h"
#include "tengod/PillarScores.h"
#include "reading/Ratings.h"
#include "reading/TextPieces.h"
#include "tengod/Indices.h"

namespace tesserin {
namespace {

TEST(PillarScores, TheTableHoldsWhatTheRulesGiveForEveryPillarTriple) {
  const std::string_view note = TextPieces::Gbk().Note();
  for (int year = kCycleLength - 1; year >= 0; --year)
    for (int month = kCycleLength - 1; month >= 0; --month)
      for (int day = kCycleLength - 1; day >= 0; --day) {
        const Pillars pillars(year, month, day);
        ScoresOf(pillars);
        const PillarScores& table = ScoresOf(pillars);
        const GodChart chart = TenGodChart(pillars);
        const int marriage = MarriageScore(pillars, chart);
        GbkString personality(PersonalityOf(day));
        if (marriage > 3) personality += note;
        const bool same = table.Chart() == chart && table.libido == LibidoIndex(pillars, chart) &&
                          table.marriage == marriage && table.money == MoneyIndex(pillars) &&
                          DateGrade(table.datePoints + DatePointsOfWords(personality)) ==
                              DateIndex(pillars, chart, personality);
        if (!same) FAIL() << "pillars " << year << " " << month << " " << day;
      }
}

}  // namespace
}  // namespace tesserin
