// The text of the standard error box: its full stop.
#include "form/ErrorText.h"

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

}  // namespace
}  // namespace tesserin::ui
