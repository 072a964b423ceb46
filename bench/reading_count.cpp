// The reading over every date as a fixed workload for callgrind, whose instruction counts stay
// the same under load where times do not: a first pass over every date in both readings fills
// the tables, then CountedPass runs the same 56,544 readings again, the steady state that
// BM_ReadingEveryDate times. bench/count-instructions counts inside CountedPass only.
#include <cstdio>
#include <variant>
#include <vector>

#include "EveryDate.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"

namespace tesserin {
namespace {

using Inputs = std::vector<AnalysisInput>;

int Pass(const Inputs& lunar, const Inputs& solar) {
  AnalysisDisplay fields = AnalysisDisplay::Initial();
  int readings = 0;
  for (const Inputs* inputs : {&lunar, &solar})
    for (const AnalysisInput& input : *inputs) {
      WriteFields(std::get<Reading>(AnalysisRun(input)), fields);
      ++readings;
    }
  return readings;
}

[[gnu::noinline]] int CountedPass(const Inputs& lunar, const Inputs& solar) { return Pass(lunar, solar); }

}  // namespace
}  // namespace tesserin

int main() {
  using tesserin::CalendarMode;
  const tesserin::Inputs lunar = tesserin::AllInputs(CalendarMode::Lunar);
  const tesserin::Inputs solar = tesserin::AllInputs(CalendarMode::Solar);
  tesserin::Pass(lunar, solar);
  std::printf("%d readings counted\n", tesserin::CountedPass(lunar, solar));
  return 0;
}
