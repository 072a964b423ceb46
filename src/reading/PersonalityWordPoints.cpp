#include "reading/PersonalityWordPoints.h"

#include <string>
#include <string_view>

#include "reading/Reading.h"
#include "reading/TextPieces.h"
#include "tengod/Indices.h"

namespace tesserin {

int WordPointsByTheText(int dayPillar, bool noted) {
  Reading reading;
  reading.pillars = Pillars(0, 0, dayPillar);
  reading.lateMarriageNote = noted;
  std::string text;
  TextPieces::Gbk().PutPersonality(reading, [&text](std::string_view piece) { text += piece; });
  return DatePointsOfWords(text);
}

}  // namespace tesserin
