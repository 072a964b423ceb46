// tesserin-cli --batch over every date in both readings (56,544 lines) against its floor
// (copy_floor: lines of the same lengths copied from memory), each as a whole process, the two
// run in turn so that a machine whose speed drifts moves both alike. Prints for each the median,
// lowest and highest processor time (user + system, the system's accounting of the finished
// child) and wall clock, and the median of the ratios batch / floor taken run pair by run pair.
//
//   floor_ratio [-n RUNS] [--pipe] [--csv] [CLI]   (default 101 runs each, output to /dev/null;
//                                                   --pipe: into a pipe that this program reads
//                                                   and drops; --csv: the batch as --format=csv,
//                                                   against the floor of its lines; CLI: another
//                                                   build of tesserin-cli)
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include "EveryDate.h"

namespace {

struct Run {
  double cpuMs, wallMs;
};

double Ms(const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; }
double NowMs() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// One whole process: `argv` with standard input from `input` and standard output to /dev/null
// or, with `pipe`, into a pipe read here to its end.
Run RunOnce(const std::vector<const char*>& argv, const char* input, bool pipe) {
  int fds[2] = {-1, -1};
  if (pipe && ::pipe(fds) != 0) std::perror("pipe"), std::exit(1);
  const double start = NowMs();
  const pid_t child = ::fork();
  if (child == 0) {
    const int in = ::open(input, O_RDONLY);
    const int out = pipe ? fds[1] : ::open("/dev/null", O_WRONLY);
    if (in < 0 || out < 0 || ::dup2(in, 0) < 0 || ::dup2(out, 1) < 0) _exit(126);
    if (pipe) ::close(fds[0]);
    ::execv(argv[0], const_cast<char* const*>(argv.data()));
    _exit(127);
  }
  if (pipe) {
    ::close(fds[1]);
    static char drain[1 << 16];
    while (::read(fds[0], drain, sizeof drain) > 0) {
    }
    ::close(fds[0]);
  }
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  const double wall = NowMs() - start;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed (status %d)\n", argv[0], status);
    std::exit(1);
  }
  return {Ms(usage.ru_utime) + Ms(usage.ru_stime), wall};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Print(const char* name, const std::vector<double>& values, const char* unit) {
  std::printf("  %-22s median %8.2f %s   lowest %8.2f   highest %8.2f\n", name, Median(values), unit,
              *std::min_element(values.begin(), values.end()), *std::max_element(values.begin(), values.end()));
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 101;
  bool pipe = false, csv = false;
  const char* cli = TESSERIN_CLI_PATH;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-n") == 0 && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (std::strcmp(argv[i], "--pipe") == 0) {
      pipe = true;
    } else if (std::strcmp(argv[i], "--csv") == 0) {
      csv = true;
    } else if (argv[i][0] != '-') {
      cli = argv[i];
    } else {
      std::fprintf(stderr, "usage: floor_ratio [-n RUNS] [--pipe] [--csv] [CLI]\n");
      return 2;
    }
  }

  const std::string input = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") +
                            "/tesserin-floor-ratio-" + std::to_string(::getpid()) + ".tsv";
  {
    std::ofstream out(input, std::ios::binary);
    for (const char* mode : {"lunar", "solar"})
      for (const tesserin::Date& d : tesserin::AllDates())
        out << d.year << '\t' << d.month << '\t' << d.day << '\t' << mode << '\n';
  }
  const std::vector<const char*> batch = csv ? std::vector<const char*>{cli, "--batch", "--format=csv", nullptr}
                                             : std::vector<const char*>{cli, "--batch", nullptr};
  const std::vector<const char*> floor = {COPY_FLOOR_PATH, csv ? "csv" : nullptr, nullptr};

  for (int i = 0; i < 3; ++i) RunOnce(batch, input.c_str(), pipe), RunOnce(floor, input.c_str(), pipe);
  std::vector<double> batchCpu, batchWall, floorCpu, floorWall, cpuRatio, wallRatio;
  for (int i = 0; i < runs; ++i) {
    const Run a = RunOnce(batch, input.c_str(), pipe);
    const Run b = RunOnce(floor, input.c_str(), pipe);
    batchCpu.push_back(a.cpuMs), batchWall.push_back(a.wallMs);
    floorCpu.push_back(b.cpuMs), floorWall.push_back(b.wallMs);
    cpuRatio.push_back(a.cpuMs / std::max(b.cpuMs, 0.001)), wallRatio.push_back(a.wallMs / b.wallMs);
  }
  std::remove(input.c_str());

  double load[3] = {};
  ::getloadavg(load, 3);
  std::printf("%d runs each, in turn, output to %s; load average %.2f %.2f %.2f\n", runs,
              pipe ? "a pipe" : "/dev/null", load[0], load[1], load[2]);
  std::printf("batch (%s%s):\n", cli, csv ? " --format=csv" : "");
  Print("cpu (user + system)", batchCpu, "ms"), Print("wall clock", batchWall, "ms");
  std::printf("copy floor:\n");
  Print("cpu (user + system)", floorCpu, "ms"), Print("wall clock", floorWall, "ms");
  std::printf("batch / floor, run pair by run pair:\n");
  Print("cpu", cpuRatio, "x "), Print("wall clock", wallRatio, "x ");
  return 0;
}
