#include "cli/Cli.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string_view>
#include <variant>

#include "Version.h"
#include "base/Gbk.h"
#include "cli/Batch.h"
#include "cli/DateText.h"
#include "cli/Messages.h"
#include "cli/StreamFailure.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"
#include "reading/TextPieces.h"

namespace tesserin {
namespace {

constexpr std::string_view kFormatOption = "--format=";

// A message goes to standard error in one piece, so that a message that cannot be written
// leaves no part of itself.
void Tell(std::ostream& err, const std::string& message) { err << message; }

int UsageError(std::ostream& err, Language language, Message message, std::string_view detail = {}) {
  Tell(err, "tesserin-cli: " + MessageText(message, language, detail) + "\n" +
                MessageText(Message::kShortUsage, language));
  return kExitUsage;
}

int ReadOne(CalendarMode mode, std::string_view year, std::string_view month, std::string_view day, bool verbose,
            std::ostream& out, std::ostream& err, Language language) {
  const AnalysisOutcome outcome = AnalysisRun(InputOfTexts(year, month, day, mode));
  if (const Refusal* refusal = std::get_if<Refusal>(&outcome)) {
    Tell(err, RefusalMessage(*refusal, language) + "\n");
    return kExitReadingRefused;
  }
  const Reading& reading = std::get<Reading>(outcome);
  out << Utf8(ReadingText(reading));
  if (verbose) {
    out << "solar_date: " << IsoDateText(reading.read.solar) << " read_as: " << ReadAsWord(reading.read)
        << '\n';
  }
  return kExitOk;
}

int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
        Language language) {
  if (args.empty()) {
    Tell(err, MessageText(Message::kShortUsage, language));
    return kExitUsage;
  }
  CalendarMode mode = CalendarMode::Lunar;
  bool verbose = false, batch = false, optionsEnded = false;
  std::optional<BatchFormat> format;
  std::size_t formatOptions = 0;
  std::vector<std::string_view> positional;
  for (const std::string& arg : args) {
    if (optionsEnded) {
      positional.push_back(arg);
    } else if (arg == "--help" || arg == "-h") {
      out << MessageText(Message::kHelp, language);
      return kExitOk;
    } else if (arg == "--version") {
      out << "tesserin-cli " TESSERIN_VERSION "\n";
      return kExitOk;
    } else if (arg == "--batch") {
      batch = true;
    } else if (arg.starts_with(kFormatOption) || arg == "--format") {
      const std::string_view value = std::string_view(arg).substr(std::min(arg.size(), kFormatOption.size()));
      if (value != "jsonl" && value != "csv") return UsageError(err, language, Message::kUnknownFormat, value);
      format = value == "csv" ? BatchFormat::kCsv : BatchFormat::kJsonLines;
      ++formatOptions;
    } else if (arg == "--lunar") {
      mode = CalendarMode::Lunar;
    } else if (arg == "--solar") {
      mode = CalendarMode::Solar;
    } else if (arg == "--verbose") {
      verbose = true;
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg.size() > 2 && arg.starts_with("--")) {
      return UsageError(err, language, Message::kUnknownOption, arg);
    } else {
      positional.push_back(arg);
    }
  }
  if (batch) {
    if (args.size() != 1 + formatOptions) return UsageError(err, language, Message::kBatchArguments);
    return RunBatch(in, out, format.value_or(BatchFormat::kJsonLines));
  }
  if (format) return UsageError(err, language, Message::kFormatWithoutBatch);
  if (positional.size() == 3) return ReadOne(mode, positional[0], positional[1], positional[2], verbose, out, err, language);
  if (positional.size() == 1) {
    if (const auto date = SplitDateText(positional[0]))
      return ReadOne(mode, (*date)[0], (*date)[1], (*date)[2], verbose, out, err, language);
  }
  return UsageError(err, language, Message::kExpectedDate);
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           Language language) {
  int status = kExitOk;
  try {
    status = Run(args, in, out, err, language);
    out.flush();
  } catch (const StreamFailure& failure) {
    if (!failure.brokenPipe) Tell(err, "tesserin-cli: " + StreamFailureText(failure, language) + "\n");
    return kExitIoError;
  }
  if (!out) {  // a stream that failed without saying why
    Tell(err, "tesserin-cli: " + StreamFailureText(StreamFailure::Writing(0), language) + "\n");
    return kExitIoError;
  }
  return status;
}

}  // namespace tesserin
