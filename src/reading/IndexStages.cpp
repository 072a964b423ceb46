#include "reading/IndexStages.h"

#include <array>

#include "reading/TextPieces.h"
#include "tengod/Indices.h"
#include "tengod/PillarScores.h"

namespace tesserin {

namespace {

// The late-marriage note follows the personality text above this grade.
constexpr int kLateMarriageFrom = 4;

// The date index's points of the words of each personality text, without and with the note: a
// reading's text is always one of these 120, so their words are looked for once, not every time.
// Searched every time instead, a reading over every date takes twice as long (115 against 55 ns,
// BM_ReadingEveryDate, bench/RESULTS.md).
int WordPointsOfPersonality(int dayPillar, bool noted) {
  static const auto points = [] {
    std::array<std::array<int, 2>, kCycleLength> table;
    Reading reading;
    GbkString text;
    for (int day = 0; day < kCycleLength; ++day)
      for (bool withNote : {false, true}) {
        reading.pillars = Pillars(0, 0, day);
        reading.lateMarriageNote = withNote;
        text.clear();
        TextPieces::Gbk().PutPersonality(reading, [&text](std::string_view piece) { text += piece; });
        table[day][withNote] = DatingPointsOfWords(text);
      }
    return table;
  }();
  return points[dayPillar][noted];
}

}  // namespace

void RunIndexStages(Reading& reading) {
  const PillarScores p = ScoresOf(reading.pillars);
  reading.chart = p.Chart();
  reading.libido = p.libido;
  reading.marriage = p.marriage;
  reading.lateMarriageNote = reading.marriage >= kLateMarriageFrom;
  reading.dating = DatingGrade(p.datingPoints + WordPointsOfPersonality(reading.DayPillar(), reading.lateMarriageNote));
  reading.money = p.money;
}

}  // namespace tesserin
