#include "cli/Cli.h"

#include <istream>
#include <variant>
#include <ostream>
#include <string_view>

#include "base/Gbk.h"
#include "Version.h"
#include "cli/Batch.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"

namespace tesserin {
namespace {

constexpr const char* kUsage =
    "Usage: tesserin-cli [--lunar|--solar] YEAR MONTH DAY\n"
    "       tesserin-cli --batch < readings.tsv\n"
    "       tesserin-cli --help | --version\n"
    "\n"
    "Gives the four-pillar reading of a birth date (years 1950 to 2025; every reading assumes\n"
    "a female subject). MONTH and DAY are read as a lunar date unless --solar is given; a lunar\n"
    "day past the end of its month is read as a solar date.\n"
    "\n"
    "One reading prints the six result fields, one per line. A date the reading refuses is\n"
    "explained on standard error, with exit status 2; a command line that is not understood\n"
    "gives exit status 64.\n"
    "\n"
    "--batch reads one reading per line from standard input: year, month, day and mode (lunar\n"
    "or solar), separated by TABs, each text taken as it stands. It writes one JSON object per\n"
    "line: the input, and either the reading (line, pillars, chart, personality, libido, date,\n"
    "kindness, money, marriage, stars), or the refusal (message), or the error (error).\n";

int ReadOne(std::string_view mode, const std::vector<std::string>& fields, std::ostream& out, std::ostream& err) {
  const AnalysisOutcome outcome = AnalysisRun(mode, {Gbk(fields[0]), Gbk(fields[1]), Gbk(fields[2])});
  if (const Refusal* refusal = std::get_if<Refusal>(&outcome)) {
    err << Utf8(refusal->text) << '\n';
    return kExitReadingRefused;
  }
  out << Utf8(ReadingText(std::get<Reading>(outcome)));
  return kExitOk;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  std::string_view mode = "1";
  std::vector<std::string> positional;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (!optionsEnded && (arg == "--help" || arg == "-h")) {
      out << kUsage;
      return kExitOk;
    } else if (!optionsEnded && arg == "--version") {
      out << "tesserin-cli " TESSERIN_VERSION "\n";
      return kExitOk;
    } else if (!optionsEnded && arg == "--batch") {
      if (args.size() != 1) {
        err << "tesserin-cli: --batch takes no other arguments\n" << kUsage;
        return kExitUsage;
      }
      return RunBatch(in, out);
    } else if (!optionsEnded && arg == "--lunar") {
      mode = "1";
    } else if (!optionsEnded && arg == "--solar") {
      mode = "0";
    } else if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
      err << "tesserin-cli: unknown option " << arg << "\n" << kUsage;
      return kExitUsage;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 3) {
    err << "tesserin-cli: expected YEAR MONTH DAY\n" << kUsage;
    return kExitUsage;
  }
  return ReadOne(mode, positional, out, err);
}

}  // namespace tesserin
