// The date index's word points that the readings look up are those of the texts themselves.
#include <gtest/gtest.h>

#include "cycle/Pillars.h"
#include "reading/PersonalityWordPoints.h"

namespace tesserin {
namespace {

TEST(PersonalityWordPoints, TheTableHoldsWhatEachTextGives) {
  for (int day = 0; day < kCycleLength; ++day)
    for (bool noted : {false, true})
      EXPECT_EQ(WordPointsByTheText(day, noted), WordPointsOf(day, noted)) << "day pillar " << day << ", note " << noted;
}

}  // namespace
}  // namespace tesserin
