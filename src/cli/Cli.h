// cli/: tesserin-cli, the reading for scripts: one reading or a batch of JSON lines or a CSV
// sheet (Batch.h), its messages in English or Chinese (Messages.h), and on Windows the console
// output.
//
// tesserin-cli: the reading engine for scripts. One reading from the command line, or a batch of
// readings from standard input as JSON Lines or CSV. Text out is UTF-8; the batch also reads
// UTF-16.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/ExitStatus.h"
#include "cli/Language.h"

namespace tesserin {

// `args` excludes the program name; the reader's own messages are in `language`. A failed
// stream ends the run with kExitIoError and a message on `err`: with the reason when its buffer
// throws StreamFailure (and, for `out`, the stream has std::ios::badbit among its exceptions,
// so that the failure reaches here). `err` must not throw: a message it cannot take is lost,
// and the exit status stays what it would have been.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
           Language language = Language::kEnglish);

}  // namespace tesserin
