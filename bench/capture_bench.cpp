// The profile watcher's tick, over a window list, main window and clock in memory: a tick that
// finds no profile window among 50 top-level windows, and a tick that handles one profile
// (scan of a capture picture, birth year, lunar analysis). The scan on its own for comparison.
#include <benchmark/benchmark.h>

#include <string>

#include "FakeDesktop.h"
#include "ProfileBlock.h"
#include "capture/GlyphMatcher.h"
#include "watcher/ProfileWatcher.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"

namespace {

using namespace tesserin;
using namespace tesserin::testing;

// A capture that copies a painted block, and a form whose analysis is the real one.
class BenchReader : public ProfileReader {
 public:
  std::optional<BlockScan> CaptureAndScan(WindowHandle) override {
    capture.Draw(block, 0, 0);
    return ScanBlock(capture, lastGlyphIndex);
  }
  int lastGlyphIndex = 0;
  PixelImage block = PaintBlock(DigitProfile("25", "3", "14"));
  PixelImage capture{161, 315};
};

class BenchForm : public FakeForm {
 public:
  using FakeForm::FakeForm;
  void ReadAsLunarDate(const CalendarDate& date) override {
    const AnalysisOutcome outcome = AnalysisRun({DateField::Number(date.year), DateField::Number(date.month),
                                                 DateField::Number(date.day), CalendarMode::Lunar});
    if (const Reading* reading = std::get_if<Reading>(&outcome)) WriteFields(*reading, display);
  }
  AnalysisDisplay display = AnalysisDisplay::Initial();
};

void AddOrdinaryWindows(FakeWindowSystem& windows, int count) {
  const char* titles[] = {"", "Tesserin", "新建文本文档 - 记事本", "QQ", "Program Manager"};
  for (int i = 0; i < count; ++i) {
    windows.Add("Window" + std::to_string(i % 7), std::string(titles[i % 5]) + std::to_string(i));
  }
}

void BM_TickWithoutProfileAmong50Windows(benchmark::State& state) {
  Journal journal;
  FakeWindowSystem windows(journal);
  FakeProfileReader reader(journal);
  FakeForm form(journal);
  FakeClock clock;
  AddOrdinaryWindows(windows, 50);
  ProfileWatcher watcher(windows, reader, form, clock);
  for (auto _ : state) watcher.Tick();
  if (!journal.empty()) state.SkipWithError("a profile was handled");
}
BENCHMARK(BM_TickWithoutProfileAmong50Windows);

void BM_TickHandlingOneProfile(benchmark::State& state) {
  Journal journal;
  FakeWindowSystem windows(journal);
  BenchReader reader;
  BenchForm form(journal);
  FakeClock clock;
  AddOrdinaryWindows(windows, 48);
  // Two profile windows raised in turn: each tick finds a window other than the last one.
  WindowHandle profiles[] = {windows.AddProfile("小明的资料"), windows.AddProfile("阿花的资料")};
  ProfileWatcher watcher(windows, reader, form, clock);
  int turn = 0;
  for (auto _ : state) {
    state.PauseTiming();
    windows.Raise(profiles[turn ^= 1]);
    journal.clear();
    state.ResumeTiming();
    watcher.Tick();
  }
  if (form.display.PillarLine == AnalysisDisplay::Initial().PillarLine) {
    state.SkipWithError("no analysis ran");
  }
}
BENCHMARK(BM_TickHandlingOneProfile);

void BM_GlyphScanner(benchmark::State& state) {
  PixelImage capture = CapturePicture(DigitProfile("25", "12", "28"));
  int lastGlyphIndex = 0;
  for (auto _ : state) benchmark::DoNotOptimize(GlyphScanner(capture, lastGlyphIndex));
}
BENCHMARK(BM_GlyphScanner);

void BM_GlyphScannerOnABlankPicture(benchmark::State& state) {
  PixelImage capture(161, 315);  // four full marker searches, nothing matched
  int lastGlyphIndex = 0;
  for (auto _ : state) benchmark::DoNotOptimize(GlyphScanner(capture, lastGlyphIndex));
}
BENCHMARK(BM_GlyphScannerOnABlankPicture);

}  // namespace
