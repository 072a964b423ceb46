// Running the reader in the test's own process: RunCli over in-memory streams, and what it
// wrote as lines.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace tesserin {

struct CliResult {
  int status;
  std::string out, err;
};

inline CliResult RunCliOn(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  int status = RunCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

// The lines of a text, without their line feeds; a last line without one counts too.
inline std::vector<std::string> LinesOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace tesserin
