// Whole numbers read the short way (one to nine plain digits) against the rule itself, at the
// edges of the short way and of the 32-bit range.
#include <gtest/gtest.h>

#include <string>

#include "base/WholeNumber.h"

namespace tesserin {
namespace {

using namespace std::string_literals;

// The number, or "none".
std::string Outcome(std::optional<int> (*read)(std::string_view), std::string_view text) {
  const std::optional<int> n = read(text);
  return n ? std::to_string(*n) : "none";
}

TEST(WholeNumber, TheShortWayReadsAsTheRule) {
  struct Case {
    const char* what;
    std::string text;
    std::string expected;
  };
  const Case kCases[] = {
      {"empty", "", "none"},
      {"zero", "0", "0"},
      {"nine digits, the most of the short way", "999999999", "999999999"},
      {"ten digits", "1000000000", "1000000000"},
      {"the largest", "2147483647", "2147483647"},
      {"past the largest", "2147483648", "none"},
      {"the smallest", "-2147483648", "-2147483648"},
      {"leading zeros past nine digits", "0000000012", "12"},
      {"a leading blank", " 12", "12"},
      {"a trailing blank", "12 ", "none"},
      {"a sign", "+7", "7"},
      {"a digit then a letter", "1a", "none"},
      {"a byte below the digits", "1/", "none"},
      {"a byte above the digits", "1:", "none"},
      {"a NUL byte", "1\0"s, "none"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.expected, Outcome(ReadWholeNumberByTheRule, c.text));
    EXPECT_EQ(c.expected, Outcome(ReadWholeNumber, c.text));
  }
  // Every number a date field can hold and more, plain and with a leading zero.
  for (int n = 0; n <= 100000; ++n)
    for (const std::string& text : {std::to_string(n), "0" + std::to_string(n)})
      if (ReadWholeNumber(text) != n || ReadWholeNumberByTheRule(text) != n) FAIL() << text;
}

}  // namespace
}  // namespace tesserin
