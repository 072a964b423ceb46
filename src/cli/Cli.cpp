#include "cli/Cli.h"

#include <istream>
#include <variant>
#include <ostream>
#include <string_view>

#include "base/Gbk.h"
#include "Version.h"
#include "cli/Batch.h"
#include "cli/DateText.h"
#include "cli/StreamFailure.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"
#include "reading/TextPieces.h"

namespace tesserin {
namespace {

constexpr const char* kUsage =
    "Usage: tesserin-cli [--lunar|--solar] [--verbose] YEAR MONTH DAY\n"
    "       tesserin-cli [--lunar|--solar] [--verbose] DATE\n"
    "       tesserin-cli --batch < readings.tsv\n"
    "       tesserin-cli --help | --version\n"
    "\n"
    "Gives the four-pillar reading of a birth date (years 1950 to 2025; every reading assumes\n"
    "a female subject). DATE is written YYYY-MM-DD or YYYY/M/D. The date is read as a lunar\n"
    "date unless --solar is given; a lunar day past the end of its month is read as a solar\n"
    "date, and a solar day past the end of its month counts on into the next (30 February is\n"
    "2 March).\n"
    "\n"
    "One reading prints the six result fields, one per line. --verbose adds a seventh line,\n"
    "solar_date: YYYY-MM-DD read_as: lunar (or solar): the solar date whose pillars were\n"
    "read, and how the date was read. A date the reading refuses is explained on standard\n"
    "error, with exit status 2; a command line that is not understood gives exit status 64.\n"
    "\n"
    "--batch reads one reading per line from standard input: year, month, day and mode (lunar\n"
    "or solar), or DATE and mode, separated by TABs, each text taken as it stands. The input\n"
    "is UTF-8 (a byte order mark at its start is skipped) or UTF-16 with a byte order mark.\n"
    "It writes one JSON object per line: the input (year, month, day, mode), and either the\n"
    "reading (line, pillars, chart, personality, libido, date, kindness, money, marriage,\n"
    "stars, solar_date, read_as), or the refusal (message), or the error (error); a line\n"
    "longer than 1 MiB gets only its error. Each answer is written before the reader waits\n"
    "for more input.\n"
    "\n"
    "Output that cannot be written or input that cannot be read is reported on standard error,\n"
    "with exit status 74, once the answers to the lines read before are written. A reader\n"
    "that closes the pipe early (as head does) gets no message.\n";

int ReadOne(CalendarMode mode, std::string_view year, std::string_view month, std::string_view day, bool verbose,
            std::ostream& out, std::ostream& err) {
  const AnalysisOutcome outcome = AnalysisRun(InputOfTexts(Gbk(year), Gbk(month), Gbk(day), mode));
  if (const Refusal* refusal = std::get_if<Refusal>(&outcome)) {
    err << Utf8(RefusalText(*refusal)) << '\n';
    return kExitReadingRefused;
  }
  const Reading& reading = std::get<Reading>(outcome);
  out << Utf8(ReadingText(reading));
  if (verbose) {
    out << "solar_date: " << IsoDateText(reading.read.solar) << " read_as: " << (reading.read.asLunar ? "lunar" : "solar")
        << '\n';
  }
  return kExitOk;
}

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  CalendarMode mode = CalendarMode::Lunar;
  bool verbose = false;
  std::vector<std::string_view> positional;
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
      mode = CalendarMode::Lunar;
    } else if (!optionsEnded && arg == "--solar") {
      mode = CalendarMode::Solar;
    } else if (!optionsEnded && arg == "--verbose") {
      verbose = true;
    } else if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
      err << "tesserin-cli: unknown option " << arg << "\n" << kUsage;
      return kExitUsage;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() == 3) return ReadOne(mode, positional[0], positional[1], positional[2], verbose, out, err);
  if (positional.size() == 1) {
    if (const auto date = SplitDateText(positional[0]))
      return ReadOne(mode, (*date)[0], (*date)[1], (*date)[2], verbose, out, err);
  }
  err << "tesserin-cli: expected YEAR MONTH DAY, or DATE as " << kDateForms << "\n" << kUsage;
  return kExitUsage;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
  int status = kExitOk;
  try {
    status = Run(args, in, out, err);
    out.flush();
  } catch (const StreamFailure& failure) {
    if (!failure.BrokenPipe()) err << "tesserin-cli: " << failure.what() << '\n';
    return kExitIoError;
  }
  if (!out) {  // a stream that failed without saying why
    err << "tesserin-cli: error writing standard output\n";
    return kExitIoError;
  }
  return status;
}

}  // namespace tesserin
