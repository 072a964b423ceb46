// The pillar scores against the rules: every pillar triple that a date of the range gives is in
// the table made from them, and whatever the table holds or works out is what the rules give.
#include <gtest/gtest.h>

#include "base/Gbk.h"
#include "calendar/DerivePillars.h"
#include "calendar/MonthTables.h"
#include "reading/PersonalityAndStars.h"
#include "reading/TextPieces.h"
#include "tengod/Indices.h"
#include "tengod/PillarScores.h"

namespace tesserin {
namespace {

TEST(PillarScores, TheTableHoldsTheTripleOfEveryDateAsTheRulesGiveIt) {
  for (CalendarMode mode : {CalendarMode::Lunar, CalendarMode::Solar})
    for (int year = kFirstYear; year <= kLastYear; ++year)
      for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 31; ++day) {
          const Pillars pillars = DerivePillars(year, month, day, mode);
          const PillarScores* tabled = TabledScores(pillars);
          if (tabled == nullptr) FAIL() << "not in the table: " << year << "-" << month << "-" << day << " mode " << static_cast<int>(mode);
          if (!(*tabled == ScoresByTheRules(pillars)))
            FAIL() << "not the rules' scores: " << year << "-" << month << "-" << day << " mode " << static_cast<int>(mode);
        }
}

// Each triple, in the table or not, against the rules' own functions.
TEST(PillarScores, EveryPillarTripleGetsWhatTheRulesGive) {
  const std::string_view note = TextPieces::Gbk().Note();
  for (int year = 0; year < kCycleLength; ++year)
    for (int month = 0; month < kCycleLength; ++month)
      for (int day = 0; day < kCycleLength; ++day) {
        const Pillars pillars(year, month, day);
        const PillarScores scores = ScoresOf(pillars);
        const GodChart chart = TenGodChart(pillars);
        const int marriage = MarriageScore(pillars, chart);
        GbkString personality(PersonalityOf(day));
        if (marriage > 3) personality += note;
        const bool same = scores == ScoresByTheRules(pillars) && scores.Chart() == chart &&
                          scores.libido == LibidoIndex(pillars, chart) && scores.marriage == marriage &&
                          scores.money == MoneyIndex(pillars) &&
                          DateGrade(scores.datePoints + DatePointsOfWords(personality)) ==
                              DateIndex(pillars, chart, personality);
        if (!same) FAIL() << "pillars " << year << " " << month << " " << day;
      }
}

}  // namespace
}  // namespace tesserin
