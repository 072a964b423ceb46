// A reading over every date of the range in turn, lunar and solar, and the pillars alone in
// date order and in a shuffled order: one date repeated keeps every table line in cache and
// every branch predicted, which a real mix of dates does not.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string_view>
#include <vector>

#include "EveryDate.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"
#include "calendar/DerivePillars.h"

namespace tesserin {
namespace {

const std::vector<Date>& ShuffledDates() {
  static const std::vector<Date> dates = [] {
    std::vector<Date> all = AllDates();
    std::shuffle(all.begin(), all.end(), std::mt19937(20240601));
    return all;
  }();
  return dates;
}

void BM_ReadingEveryDate(benchmark::State& state, CalendarMode mode) {
  const std::vector<AnalysisInput> inputs = AllInputs(mode);
  AnalysisDisplay fields = AnalysisDisplay::Initial();
  std::size_t next = 0;
  for (auto _ : state) {
    const AnalysisOutcome outcome = AnalysisRun(inputs[next]);
    WriteFields(std::get<Reading>(outcome), fields);
    benchmark::DoNotOptimize(fields.KindnessStars.data());
    if (++next == inputs.size()) next = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_ReadingEveryDate, lunar, CalendarMode::Lunar);
BENCHMARK_CAPTURE(BM_ReadingEveryDate, solar, CalendarMode::Solar);

void BM_PillarsAlone(benchmark::State& state, const std::vector<Date>& (*dates)(), CalendarMode mode) {
  const std::vector<Date>& all = dates();
  std::size_t next = 0;
  for (auto _ : state) {
    const Date& d = all[next];
    auto pillars = DerivePillars(d.year, d.month, d.day, mode);
    benchmark::DoNotOptimize(pillars);
    if (++next == all.size()) next = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_PillarsAlone, date_order_lunar, AllDates, CalendarMode::Lunar);
BENCHMARK_CAPTURE(BM_PillarsAlone, date_order_solar, AllDates, CalendarMode::Solar);
BENCHMARK_CAPTURE(BM_PillarsAlone, random_order_lunar, ShuffledDates, CalendarMode::Lunar);
BENCHMARK_CAPTURE(BM_PillarsAlone, random_order_solar, ShuffledDates, CalendarMode::Solar);

}  // namespace
}  // namespace tesserin
