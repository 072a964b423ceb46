// Speed of one full reading: validation, pillars, chart, the four indices, kindness and all six
// result fields.
#include <benchmark/benchmark.h>

#include <variant>

#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"

namespace tesserin {
namespace {

void BM_FullReading(benchmark::State& state, CalendarMode mode) {
  const AnalysisInput input = InputOfTexts("1990", "5", "12", mode);
  AnalysisDisplay fields = AnalysisDisplay::Initial();
  for (auto _ : state) {
    const AnalysisOutcome outcome = AnalysisRun(input);
    WriteFields(std::get<Reading>(outcome), fields);
    benchmark::DoNotOptimize(fields.KindnessStars.data());
  }
}
BENCHMARK_CAPTURE(BM_FullReading, lunar, CalendarMode::Lunar);
BENCHMARK_CAPTURE(BM_FullReading, solar, CalendarMode::Solar);

}  // namespace
}  // namespace tesserin
