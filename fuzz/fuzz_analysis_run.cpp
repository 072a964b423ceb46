// The analysis run over either calendar mode and any bytes in the three fields, read as the
// window reads them. Input: mode ("1" lunar, anything else solar), year, month and day
// separated by TABs (the day takes the rest). Besides sanitizer findings it checks
// that a run gives either a reading whose fields are whole (a pillar line of three pillars, a
// personality text, four star ratings) or a refusal with its text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "FuzzInput.h"
#include "TabFields.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesserin;
  using fuzz::Check;
  auto fields = fuzz::TabFields<4>(data, size);
  const CalendarMode mode = fields[0] == "1" ? CalendarMode::Lunar : CalendarMode::Solar;
  const AnalysisInput input = InputOfTexts(fields[1], fields[2], fields[3], mode);

  const AnalysisOutcome outcome = AnalysisRun(input);
  if (const Refusal* refusal = std::get_if<Refusal>(&outcome)) {
    Check(!RefusalText(*refusal).empty(), "a refusal has text");
    Check(RefusalText(*refusal, 40).size() <= RefusalText(*refusal).size() + 2, "a quoted field is only cut");
    return 0;
  }
  const Reading& reading = std::get<Reading>(outcome);
  Check(reading.lateMarriageNote == (reading.marriage > 3), "the note follows the marriage grade");
  const AnalysisDisplay initial = AnalysisDisplay::Initial();
  const AnalysisDisplay shown = FieldsOf(reading);
  Check(shown.PillarLine.rfind(initial.PillarLine, 0) == 0, "the pillar line starts with its caption");
  Check(shown.PillarLine.size() == initial.PillarLine.size() + 14, "the pillar line holds three pillars",
        shown.PillarLine);
  Check(!shown.PersonalityText.empty(), "a reading has a personality text");
  for (const GbkString* stars : {&shown.LibidoStars, &shown.DateStars, &shown.KindnessStars, &shown.MoneyStars})
    Check(stars->size() == 10, "five stars", *stars);
  return 0;
}
