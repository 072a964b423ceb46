// The result fields written in place against their plain ways (appended, assigned), from every
// state a field can be in: empty, as the window opens, holding the reading before, holding text
// of another length.
#include <gtest/gtest.h>

#include <string>

#include "base/Gbk.h"
#include "reading/PersonalityAndStars.h"
#include "reading/ReadingText.h"

namespace tesserin {
namespace {

TEST(FieldWrites, ThePillarLineInPlaceIsTheLineAppended) {
  const GbkString before[] = {"", AnalysisDisplay::Initial().PillarLine, std::string(40, 'x')};
  GbkString previous;
  for (int year = 0; year < kCycleLength; ++year)
    for (int month = 0; month < kCycleLength; ++month)
      for (int day = 0; day < kCycleLength; ++day) {
        const Pillars pillars(year, month, day);
        GbkString appended;
        WritePillarLineByAppending(pillars, appended);
        for (GbkString inPlace : {before[0], before[1], before[2], previous}) {
          WritePillarLine(pillars, inPlace);
          if (inPlace != appended) FAIL() << "pillars " << year << " " << month << " " << day;
        }
        previous = appended;
      }
}

TEST(FieldWrites, StarsCopiedOverAreTheStarsAssigned) {
  const GbkString before[] = {"", AnalysisDisplay::Initial().LibidoStars, GbkString(StarText(0)),
                              GbkString(StarText(3)), GbkString(StarText(5)), "0123456789", std::string(11, 'x')};
  for (int n = -2; n <= 7; ++n) {
    GbkString assigned;
    WriteStarsByAssign(n, assigned);
    EXPECT_EQ(StarText(n), assigned);
    for (const GbkString& field : before) {
      SCOPED_TRACE(testing::Message() << n << " stars over " << field.size() << " bytes");
      GbkString copied = field;
      WriteStars(n, copied);
      EXPECT_EQ(assigned, copied);
    }
  }
}

}  // namespace
}  // namespace tesserin
