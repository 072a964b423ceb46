// The text of the standard error box: the full stop, and a long quoted field cut to fit.
#include "ui/ErrorText.h"

#include <gtest/gtest.h>

namespace tesserin::ui {
namespace {

TEST(ErrorText, FullStopUnlessTheTextEndsInOneOrSortsBeforeIt) {
  struct FullStopCase {
    const char* what;
    std::string text, expected;
  };
  const FullStopCase cases[] = {
      {"conversion error", "'' is not a valid integer value", "'' is not a valid integer value."},
      {"empty", "", ""},
      {"ends in a full stop", "done.", "done."},
      {"ends in a blank", "done ", "done "},
      {"ends in !", "done!", "done!"},
      {"ends in )", "(done)", "(done)"},
      {"ends in a digit", "code 7", "code 7."},
      {"ends in a double-byte character", "\xCA\xA7\xB0\xDC", "\xCA\xA7\xB0\xDC."},  // 失败
      {"double-byte character with a low trail byte", "\x81\x40", "\x81\x40."},
  };
  for (const FullStopCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ErrorBoxText(c.text), c.expected);
  }
}

TEST(ErrorText, ALongQuotedFieldIsCutToFitTheBox) {
  const std::string tail = "' is not a valid integer value";
  const std::string ellipsis = "\xA1\xAD";        // …
  const std::string han = "\xC4\xEA";             // 年
  auto repeat = [](const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
  };
  struct CutCase {
    const char* what;
    std::string text, expected;
  };
  const CutCase cases[] = {
      {"empty field", "''" + tail.substr(1), "''" + tail.substr(1)},
      {"a real mistake", "'19a0" + tail, "'19a0" + tail},
      {"40 characters stay whole", "'" + repeat("9", 40) + tail, "'" + repeat("9", 40) + tail},
      {"41 characters", "'" + repeat("9", 41) + tail, "'" + repeat("9", 40) + ellipsis + tail},
      {"10,000 pasted digits", "'" + repeat("1", 10000) + tail, "'" + repeat("1", 40) + ellipsis + tail},
      {"Chinese text, cut between characters", "'" + repeat(han, 5000) + tail,
       "'" + repeat(han, 40) + ellipsis + tail},
      {"mixed, a double-byte character at the cut", "'" + repeat("1", 39) + repeat(han, 3) + tail,
       "'" + repeat("1", 39) + han + ellipsis + tail},
      {"another error is left alone", repeat("x", 300), repeat("x", 300)},
  };
  for (const CutCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FittedErrorText(c.text), c.expected);
  }
}

}  // namespace
}  // namespace tesserin::ui
