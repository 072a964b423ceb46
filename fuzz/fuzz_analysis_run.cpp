// The analysis run over any calendar mode and any bytes in the three fields. Input: mode, year,
// month and day separated by TABs (the day takes the rest). Besides sanitizer findings it checks
// that a run ends in exactly one way (a completed reading, one notice, or the conversion error),
// that a stopped run empties only the personality text, and that a run started from inside a
// notice touches nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "TabFields.h"
#include "pillars/AnalysisRun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesserin;
  using fuzz::Check;
  auto fields = fuzz::TabFields<4>(data, size);
  std::string_view mode = fields[0];
  AnalysisInput input{GbkString(fields[1]), GbkString(fields[2]), GbkString(fields[3])};

  const AnalysisDisplay initial = AnalysisDisplay::Initial();
  AnalysisDisplay display = initial;
  AnalysisDetail detail;
  int notices = 0;
  bool converted = true;
  auto notice = [&](const GbkString& text) {
    ++notices;
    Check(!text.empty(), "a notice has text");
    // The window's message loop runs while the box is open: a second run must leave at once.
    AnalysisDisplay inner = initial;
    AnalysisDetail innerDetail;
    AnalysisRun(mode, input, inner, [](const GbkString&) { fuzz::Fail("a run inside a notice shows a notice"); },
                &innerDetail);
    Check(inner == initial && !innerDetail.completed, "a run inside a notice touches nothing");
  };
  try {
    AnalysisRun(mode, input, display, notice, &detail);
  } catch (const ConversionError&) {
    converted = false;
  }

  Check(!AnalysisBusy, "the busy flag is down after the run");
  int endings = (detail.completed ? 1 : 0) + notices + (converted ? 0 : 1);
  Check(endings == 1, "a run ends in exactly one way", std::to_string(endings));
  if (!detail.completed) {
    AnalysisDisplay expected = initial;
    expected.PersonalityText.clear();
    Check(display == expected, "a stopped run empties only the personality text");
    return 0;
  }
  Check(display.PillarLine.rfind(initial.PillarLine, 0) == 0, "the pillar line starts with its caption");
  Check(display.PillarLine.size() == initial.PillarLine.size() + 14, "the pillar line holds three pillars",
        display.PillarLine);
  return 0;
}
