// The reading over every date as a fixed workload for callgrind, whose instruction counts stay
// the same under load where times do not: a first pass over every date in both readings fills
// the tables, then CountedPass runs the same 55,618 readings again (EveryDate.h), the steady
// state that BM_ReadingEveryDate times. bench/count-instructions counts inside CountedPass only.
//
// `reading_count PIECE` counts a tuned piece or its plain way instead (TunedPieces.h, the names
// of BM_TunedPiece, which `reading_count --pieces` lists): CountedPass runs that piece's pass,
// after the same first pass.
#include <cstdio>
#include <cstring>
#include <variant>
#include <vector>

#include "EveryDate.h"
#include "TunedPieces.h"
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
[[gnu::noinline]] std::uint64_t CountedPass(const TunedPiece& piece, const TunedPieceWork& work) {
  return piece.pass(work);
}

}  // namespace
}  // namespace tesserin

int main(int argc, char** argv) {
  using namespace tesserin;
  if (argc == 2 && std::strcmp(argv[1], "--pieces") == 0) {
    for (const TunedPiece& piece : kTunedPieces) std::printf("%s\n", piece.name);
    return 0;
  }
  const Inputs lunar = AllInputs(CalendarMode::Lunar);
  const Inputs solar = AllInputs(CalendarMode::Solar);
  Pass(lunar, solar);
  if (argc < 2) {
    std::printf("%d readings counted\n", CountedPass(lunar, solar));
    return 0;
  }
  for (const TunedPiece& piece : kTunedPieces) {
    if (std::strcmp(piece.name, argv[1]) != 0) continue;
    const TunedPieceWork& work = TheTunedPieceWork();
    const std::uint64_t checksum = CountedPass(piece, work);
    std::printf("%zu items counted (checksum %llu)\n", ItemCount(piece.items, work),
                static_cast<unsigned long long>(checksum));
    return 0;
  }
  std::fprintf(stderr, "no piece %s; the pieces:", argv[1]);
  for (const TunedPiece& piece : kTunedPieces) std::fprintf(stderr, " %s", piece.name);
  std::fprintf(stderr, "\n");
  return 2;
}
