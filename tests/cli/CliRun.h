// Running the reader in the test's own process: RunCli over in-memory streams, and what it
// wrote as lines or as the matches of a pattern.
#pragma once

#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace tesserin {

struct CliResult {
  int status;
  std::string out, err;
};

inline CliResult RunCliOn(const std::vector<std::string>& args, const std::string& input = "",
                          Language language = Language::kEnglish) {
  std::istringstream in(input);
  std::ostringstream out, err;
  int status = RunCli(args, in, out, err, language);
  return {status, out.str(), err.str()};
}

// The lines of a text, without their line feeds; a last line without one counts too.
inline std::vector<std::string> LinesOf(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The first group of each match of `pattern` in `text`.
inline std::set<std::string> Matches(const std::string& text, const std::string& pattern) {
  std::set<std::string> found;
  const std::regex re(pattern);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator(); ++it)
    found.insert((*it)[1].str());
  return found;
}

}  // namespace tesserin
