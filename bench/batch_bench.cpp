// tesserin-cli --batch as a whole process over every date of the range in both readings
// (56,544 lines, lunar then solar), output to /dev/null, as JSON Lines and as the CSV sheet: start-up, reading, conversion and
// writing together, as a script that calls it would see them. Wall-clock time, and the processor
// time of the process (child_cpu_ms). And the peak memory of the process over one line of 200 MB.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

#include "EveryDate.h"

namespace tesserin {
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
      for (const Date& d : AllDates()) out << d.year << '\t' << d.month << '\t' << d.day << '\t' << mode << '\n';
    return file;
  }()};
  return input.path;
}

// The processor time of the children so far (the shells and the readers), in milliseconds.
double ChildrenCpuMs() {
  rusage usage{};
  ::getrusage(RUSAGE_CHILDREN, &usage);
  auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void BatchWholeProcess(benchmark::State& state, const char* options) {
  const std::string command = std::string(TESSERIN_CLI_PATH) + " --batch" + options + " < " + BatchInputFile() + " > /dev/null";
  const double cpuBefore = ChildrenCpuMs();
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("tesserin-cli failed");
  }
  state.SetItemsProcessed(state.iterations() * 56544);
  // Less disturbed by other work on the machine than the wall-clock time.
  state.counters["child_cpu_ms"] = (ChildrenCpuMs() - cpuBefore) / static_cast<double>(state.iterations());
}
void BM_BatchWholeProcess(benchmark::State& state) { BatchWholeProcess(state, ""); }
BENCHMARK(BM_BatchWholeProcess)->UseRealTime()->Unit(benchmark::kMillisecond);
// The same readings as the CSV sheet.
void BM_BatchWholeProcessCsv(benchmark::State& state) { BatchWholeProcess(state, " --format=csv"); }
BENCHMARK(BM_BatchWholeProcessCsv)->UseRealTime()->Unit(benchmark::kMillisecond);

// One line of 200 MB (a year of 200 million digits and three short fields) and one reading
// after it, through a pipe: the counter peak_MiB is the largest resident set of the child
// processes so far (getrusage), the reader's own unless an earlier child of this program was
// larger (the whole-process batch above stays near 3 MiB). An over-long line is passed over as
// it is read, so the figure does not grow with the line.
void BM_BatchHugeLinePeakMemory(benchmark::State& state) {
  const std::string command = std::string(TESSERIN_CLI_PATH) + " --batch > /dev/null";
  const std::string digits(1000000, '7');
  for (auto _ : state) {
    FILE* pipe = popen(command.c_str(), "w");
    for (int i = 0; i < 200; ++i) std::fwrite(digits.data(), 1, digits.size(), pipe);
    std::fputs("\t5\t12\tsolar\n1990\t5\t12\tsolar\n", pipe);
    if (pclose(pipe) != 0) state.SkipWithError("tesserin-cli failed");
  }
  rusage children{};
  getrusage(RUSAGE_CHILDREN, &children);
  state.counters["peak_MiB"] = static_cast<double>(children.ru_maxrss) / 1024;  // ru_maxrss is in KiB
  state.SetBytesProcessed(state.iterations() * 200000000);
}
BENCHMARK(BM_BatchHugeLinePeakMemory)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace tesserin
