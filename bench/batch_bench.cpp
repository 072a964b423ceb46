// tesserin-cli --batch as a whole process over every date of the range in both readings
// (56,544 lines, lunar then solar), output to /dev/null: start-up, reading, conversion and
// writing together, as a script that calls it would see them. Wall-clock time.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

namespace {

// The batch input, written once and removed at exit.
struct InputFile {
  std::string path;
  ~InputFile() { std::remove(path.c_str()); }
};

const std::string& BatchInputFile() {
  static const InputFile input{[] {
    std::string file = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") +
                       "/tesserin-batch-bench-" + std::to_string(::getpid()) + ".tsv";
    std::ofstream out(file, std::ios::binary);
    for (const char* mode : {"lunar", "solar"})
      for (int year = 1950; year <= 2025; ++year)
        for (int month = 1; month <= 12; ++month)
          for (int day = 1; day <= 31; ++day) out << year << '\t' << month << '\t' << day << '\t' << mode << '\n';
    return file;
  }()};
  return input.path;
}

void BM_BatchWholeProcess(benchmark::State& state) {
  const std::string command = std::string(TESSERIN_CLI_PATH) + " --batch < " + BatchInputFile() + " > /dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("tesserin-cli failed");
  }
  state.SetItemsProcessed(state.iterations() * 56544);
}
BENCHMARK(BM_BatchWholeProcess)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
