#include "reading/IndexStages.h"

#include "reading/PersonalityWordPoints.h"
#include "tengod/Indices.h"
#include "tengod/PillarScores.h"

namespace tesserin {

namespace {

// The late-marriage note follows the personality text above this grade.
constexpr int kLateMarriageFrom = 4;

}  // namespace

void RunIndexStages(Reading& reading) {
  const PillarScores p = ScoresOf(reading.pillars);
  reading.chart = p.Chart();
  reading.libido = p.libido;
  reading.marriage = p.marriage;
  reading.lateMarriageNote = reading.marriage >= kLateMarriageFrom;
  reading.date = DateGrade(p.datePoints + WordPointsOf(reading.DayPillar(), reading.lateMarriageNote));
  reading.money = p.money;
}

}  // namespace tesserin
