// Birth-year inference and the reading of recognised numbers.
#include "watcher/BirthYear.h"

#include <gtest/gtest.h>

namespace tesserin {
namespace {

TEST(InferBirthYear, OneYearLessWhileTheBirthdayIsStillToCome) {
  struct Case {
    const char* what;
    int month, day;
    int year;
  };
  // Today 2017-05-20, age 25.
  const Case cases[] = {
      {"birthday month passed", 3, 28, 1992},
      {"birthday month to come", 8, 1, 1991},
      {"birthday today", 5, 20, 1992},
      {"birthday tomorrow", 5, 21, 1991},
      {"birthday yesterday", 5, 19, 1992},
      {"month 12, day 30", 12, 30, 1991},
      {"month 1, day 1", 1, 1, 1992},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.year, InferBirthYear(25, c.month, c.day, LocalDate{2017, 5, 20}));
  }
}

TEST(InferBirthYear, ComparesTheShownNumbersAsTheyAre) {
  // A day such as "1010" from four 12-pixel characters is compared as the number 1010.
  EXPECT_EQ(1991, InferBirthYear(25, 5, 1010, LocalDate{2017, 5, 31}));
  EXPECT_EQ(2024, InferBirthYear(1, 2, 29, LocalDate{2025, 3, 1}));
}

TEST(RecognisedNumber, OnlyDigitTextsAreNumbers) {
  struct Case {
    const char* text;
    std::optional<int> number;
  };
  const Case cases[] = {
      {"25", 25}, {"0", 0}, {"05", 5}, {"1010", 1010}, {"", std::nullopt},
      {"2a", std::nullopt}, {"-1", std::nullopt}, {" 3", std::nullopt},
      {"1234567890", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.number, RecognisedNumber(c.text));
  }
}

}  // namespace
}  // namespace tesserin
