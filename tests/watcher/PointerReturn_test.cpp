// The watch over the pointer after the close click.
#include "watcher/PointerReturn.h"

#include <gtest/gtest.h>

namespace tesserin {
namespace {

using std::chrono::milliseconds;

TEST(PointerReturn, PutsBackOnlyWhileThePointerIsStillOnTheClickPoint) {
  const ScreenPoint clicked{579, 163}, back{10, 20};
  struct Case {
    const char* what;
    ScreenPoint now;
    milliseconds since;
    PointerStep step;
  };
  const Case cases[] = {
      {"kept on the click point by another window", clicked, milliseconds{0}, PointerStep::PutBack},
      {"still kept there near the end of the watch", clicked, milliseconds{999}, PointerStep::PutBack},
      {"back where it belongs", back, milliseconds{100}, PointerStep::Watch},
      {"moved by the user", {300, 300}, milliseconds{100}, PointerStep::Stop},
      {"moved by the user one pixel off the click point", {580, 163}, milliseconds{100}, PointerStep::Stop},
      {"the watch is over, even on the click point", clicked, milliseconds{1000}, PointerStep::Stop},
      {"the watch is over", back, milliseconds{1500}, PointerStep::Stop},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.step, NextPointerStep(c.now, clicked, back, c.since));
  }
}

}  // namespace
}  // namespace tesserin
