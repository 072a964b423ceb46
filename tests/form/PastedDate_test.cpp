// A whole date pasted into a date field: the forms people copy dates in, and texts that are none.
#include "form/PastedDate.h"

#include <gtest/gtest.h>

namespace tesserin::ui {
namespace {

TEST(PastedDate, TheFormsOfAWholeDate) {
  using Fields = std::array<std::string, 3>;
  const Fields k1990_5_12{"1990", "5", "12"};
  struct Case {
    const char* text;
    std::optional<Fields> expected;
  };
  const Case kCases[] = {
      {"1990-05-12", k1990_5_12},
      {"1990/5/12", k1990_5_12},
      {"1990.5.12", k1990_5_12},
      {"1990年5月12日", k1990_5_12},
      {"1990年05月12", k1990_5_12},
      {"19900512", k1990_5_12},
      {"  1990-5-12\r\n", k1990_5_12},
      {"2000.1.1", Fields{"2000", "1", "1"}},
      {"1990-00-12", Fields{"1990", "0", "12"}},  // the reading refuses month 0, as typed
      {"1990-5/12", std::nullopt},                // two separators
      {"1990-5-123", std::nullopt},
      {"90-5-12", std::nullopt},
      {"1990512", std::nullopt},
      {"199005121", std::nullopt},
      {"1990年5月", std::nullopt},
      {"1990年5月12日x", std::nullopt},
      {"1990", std::nullopt},
      {"abc", std::nullopt},
      {"", std::nullopt},
      {"  ", std::nullopt},
      {"1990-5-12 1990-5-13", std::nullopt},
  };
  for (const Case& c : kCases) EXPECT_EQ(PastedDate(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace tesserin::ui
