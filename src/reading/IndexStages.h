// The stages of a reading that need the ten-god chart: the chart itself, the libido score, the
// late-marriage grade and its note, the date score and the money score.
#pragma once

#include "reading/Reading.h"

namespace tesserin {

// Fills chart, libido, marriage, lateMarriageNote, date and money of a reading whose pillars
// are set. The date index reads the personality text with its note, so the note comes first.
void RunIndexStages(Reading& reading);

}  // namespace tesserin
