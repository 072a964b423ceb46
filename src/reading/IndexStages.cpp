#include "reading/IndexStages.h"

#include "tengod/PillarScores.h"
#include "reading/ReadingText.h"
#include "tengod/Indices.h"

namespace tesserin {

namespace {

// The late-marriage note follows the personality text above this grade.
constexpr int kLateMarriageFrom = 4;

}  // namespace

void RunIndexStages(Reading& reading) {
  const PillarScores& p = ScoresOf(reading.pillars);
  reading.chart = p.Chart();
  reading.libido = p.libido;
  reading.marriage = p.marriage;
  reading.lateMarriageNote = reading.marriage >= kLateMarriageFrom;
  // Kept from one reading to the next, so that writing the text allocates nothing.
  static GbkString personality;
  WritePersonalityText(reading, personality);
  reading.date = DateGrade(p.datePoints + DatePointsOfWords(personality));
  reading.money = p.money;
}

}  // namespace tesserin
