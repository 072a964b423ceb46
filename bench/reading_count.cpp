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

int Pass(const std::vector<AnalysisInput>& inputs) {
  AnalysisDisplay fields = AnalysisDisplay::Initial();
  int readings = 0;
  for (const char* mode : {"1", "0"})
    for (const AnalysisInput& input : inputs) {
      WriteFields(std::get<Reading>(AnalysisRun(mode, input)), fields);
      ++readings;
    }
  return readings;
}

[[gnu::noinline]] int CountedPass(const std::vector<AnalysisInput>& inputs) { return Pass(inputs); }

}  // namespace
}  // namespace tesserin

int main() {
  const std::vector<tesserin::AnalysisInput> inputs = tesserin::AllInputs();
  tesserin::Pass(inputs);
  std::printf("%d readings counted\n", tesserin::CountedPass(inputs));
  return 0;
}
