// Speed of one full reading: validation, pillars, chart, the four indices, kindness and all six
// result fields.
#include <benchmark/benchmark.h>

#include <variant>

#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"

namespace tesserin {
namespace {

void BM_FullReading(benchmark::State& state, const char* mode) {
  AnalysisInput input{"1990", "5", "12"};
  AnalysisDisplay fields = AnalysisDisplay::Initial();
  for (auto _ : state) {
    const AnalysisOutcome outcome = AnalysisRun(mode, input);
    WriteFields(std::get<Reading>(outcome), fields);
    benchmark::DoNotOptimize(fields.KindnessStars.data());
  }
}
BENCHMARK_CAPTURE(BM_FullReading, lunar, "1");
BENCHMARK_CAPTURE(BM_FullReading, solar, "0");

}  // namespace
}  // namespace tesserin
