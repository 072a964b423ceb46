// The reader's own texts in English and in Chinese: the usage, the help, the usage errors, the
// failures of the standard streams, and the errors of batch lines that are no reading. The
// JSON of a batch takes the English ones, as programs read them; the CSV sheet the Chinese ones.
#pragma once

#include <string>
#include <string_view>

#include "cli/Language.h"
#include "cli/StreamFailure.h"
#include "reading/AnalysisRun.h"

namespace tesserin {

enum class Message {
  kShortUsage,         // the forms, and --help for more
  kHelp,               // the usage and what it means
  kUnknownOption,      // %s: the option
  kBatchArguments,     // --batch with more than --format
  kFormatWithoutBatch,
  kUnknownFormat,      // %s: the value after --format=
  kExpectedDate,       // arguments that are no date
  kLineTooLong,        // a batch line over LineReader::kMaxLine
  kFieldCount,         // %s: the number of fields found
  kNotADate,           // two fields, the first no date
  kUnknownMode,        // a mode other than lunar and solar
  kNoSuchSolarDay,     // %s: the date, YYYY-MM-DD
  kNoSuchDay,          // %s: the date asked for as lunar, which neither calendar has
};

// The text of `message` in `language`, with `detail` in place of its %s.
std::string MessageText(Message message, Language language, std::string_view detail = {});

// Why a reading was refused: the window's notice or conversion error, and for a day its
// calendar does not have, which the window tells as a month or day out of range, that the
// date does not exist.
std::string RefusalMessage(const Refusal& refusal, Language language);

// What failed and why: "error writing standard output: No space left on device".
std::string StreamFailureText(const StreamFailure& failure, Language language);

}  // namespace tesserin
