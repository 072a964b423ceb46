// cli/: tesserin-cli, the reading for scripts: one reading or a batch of JSON lines (Batch.h),
// the JSON writer, and on Windows the console output.
//
// tesserin-cli: the reading engine for scripts. One reading from the command line, or a batch of
// readings from standard input as JSON Lines. Text out is UTF-8; the batch also reads UTF-16.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tesserin {

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitReadingRefused = 2;  // a validation message or a conversion error
constexpr int kExitUsage = 64;
constexpr int kExitIoError = 74;  // standard input or output failed (EX_IOERR of sysexits.h)

// `args` excludes the program name. A failed stream ends the run with kExitIoError and a
// message on `err`: with the reason when its buffer throws StreamFailure (and, for `out`, the
// stream has std::ios::badbit among its exceptions, so that the failure reaches here).
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tesserin
