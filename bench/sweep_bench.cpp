// A reading over every date of the range in turn, lunar and solar, and the pillars alone in
// date order and in a shuffled order: one date repeated keeps every table line in cache and
// every branch predicted, which a real mix of dates does not.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"
#include "calendar/DerivePillars.h"

namespace tesserin {
namespace {

struct Date {
  int year, month, day;
};

// 1950-01-01 to 2025-12-31, every month with days 1 to 31: every date the run accepts.
const std::vector<Date>& AllDates() {
  static const std::vector<Date> dates = [] {
    std::vector<Date> all;
    for (int year = 1950; year <= 2025; ++year)
      for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 31; ++day) all.push_back({year, month, day});
    return all;
  }();
  return dates;
}

const std::vector<Date>& ShuffledDates() {
  static const std::vector<Date> dates = [] {
    std::vector<Date> all = AllDates();
    std::shuffle(all.begin(), all.end(), std::mt19937(20240601));
    return all;
  }();
  return dates;
}

void BM_ReadingEveryDate(benchmark::State& state, const char* mode) {
  std::vector<AnalysisInput> inputs;
  for (const Date& d : AllDates())
    inputs.push_back({std::to_string(d.year), std::to_string(d.month), std::to_string(d.day)});
  AnalysisDisplay fields = AnalysisDisplay::Initial();
  std::size_t next = 0;
  for (auto _ : state) {
    const AnalysisOutcome outcome = AnalysisRun(mode, inputs[next]);
    WriteFields(std::get<Reading>(outcome), fields);
    benchmark::DoNotOptimize(fields.KindnessStars.data());
    if (++next == inputs.size()) next = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_ReadingEveryDate, lunar, "1");
BENCHMARK_CAPTURE(BM_ReadingEveryDate, solar, "0");

void BM_PillarsAlone(benchmark::State& state, const std::vector<Date>& (*dates)(), const char* modeText) {
  const std::vector<Date>& all = dates();
  const std::string_view mode = modeText;  // measured once, not in every call
  std::size_t next = 0;
  for (auto _ : state) {
    const Date& d = all[next];
    auto pillars = DerivePillars(d.year, d.month, d.day, mode);
    benchmark::DoNotOptimize(pillars);
    if (++next == all.size()) next = 0;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_PillarsAlone, date_order_lunar, AllDates, "1");
BENCHMARK_CAPTURE(BM_PillarsAlone, date_order_solar, AllDates, "0");
BENCHMARK_CAPTURE(BM_PillarsAlone, random_order_lunar, ShuffledDates, "1");
BENCHMARK_CAPTURE(BM_PillarsAlone, random_order_solar, ShuffledDates, "0");

}  // namespace
}  // namespace tesserin
