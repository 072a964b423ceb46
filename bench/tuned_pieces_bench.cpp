// Each tuned piece beside the plain way that the code keeps as its reference (TunedPieces.h): a
// pass over its inputs from every date each iteration, processor time an item (a reading, a
// day of a row, a date).
#include <benchmark/benchmark.h>

#include "TunedPieces.h"

namespace tesserin {
namespace {

void BM_TunedPiece(benchmark::State& state, const TunedPiece& piece) {
  const TunedPieceWork& work = TheTunedPieceWork();
  for (auto _ : state) benchmark::DoNotOptimize(piece.pass(work));
  const double items = static_cast<double>(state.iterations()) * static_cast<double>(ItemCount(piece.items, work));
  state.counters["per_item"] = benchmark::Counter(items, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

const int kRegistered = [] {
  for (const TunedPiece& piece : kTunedPieces)
    benchmark::RegisterBenchmark((std::string("BM_TunedPiece/") + piece.name).c_str(), BM_TunedPiece, piece);
  return 0;
}();

}  // namespace
}  // namespace tesserin
