// cli/: tesserin-cli, the reading for scripts: one reading or a batch of JSON lines (Batch.h),
// the JSON writer, and on Windows the console output.
//
// tesserin-cli: the reading engine for scripts. One reading from the command line, or a batch of
// readings from standard input as JSON Lines. All text in and out is UTF-8.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace tesserin {

// Exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitReadingRefused = 2;  // a validation message or a conversion error
constexpr int kExitUsage = 64;

// `args` excludes the program name.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tesserin
