// Speed of one full reading: validation, pillars, chart, the four indices, kindness and all six
// result fields.
#include <benchmark/benchmark.h>

#include "pillars/AnalysisRun.h"

namespace tesserin {
namespace {

void BM_FullReading(benchmark::State& state, const char* mode) {
  AnalysisInput input{"1990", "5", "12"};
  AnalysisDisplay display = AnalysisDisplay::Initial();
  Notice notice = [](const GbkString&) {};
  AnalysisRun(mode, input, display, notice);  // builds the tables once
  for (auto _ : state) {
    AnalysisRun(mode, input, display, notice);
    benchmark::DoNotOptimize(display.KindnessStars.data());
  }
}
BENCHMARK_CAPTURE(BM_FullReading, lunar, "1");
BENCHMARK_CAPTURE(BM_FullReading, solar, "0");

}  // namespace
}  // namespace tesserin
