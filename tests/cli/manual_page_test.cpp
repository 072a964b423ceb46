// The manual page and `tesserin-cli --help` agree: the same usage forms, the same long
// options, the same exit statuses; and the page carries the version --version prints.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "CliRun.h"

namespace tesserin {
namespace {

std::string CliOutput(const std::vector<std::string>& args) {
  std::istringstream in;
  std::ostringstream out, err;
  EXPECT_EQ(kExitOk, RunCli(args, in, out, err));
  return out.str();
}

std::string ManualPage() {
  std::ifstream file(TESSERIN_MANUAL_PAGE);
  EXPECT_TRUE(file) << TESSERIN_MANUAL_PAGE;
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// Just enough roff for the page's own markup: \- is a minus; .B and .I join their words with
// blanks, .BR, .RB, .IR and .RI join them without; .br ends a line; quotes group words.
std::string Unescape(std::string text) { return std::regex_replace(text, std::regex(R"(\\-)"), "-"); }

std::vector<std::string> RoffWords(const std::string& line) {
  std::vector<std::string> words;
  static const std::regex word(R"re("([^"]*)"|(\S+))re");
  for (auto it = std::sregex_iterator(line.begin(), line.end(), word); it != std::sregex_iterator(); ++it)
    words.push_back((*it)[1].matched ? (*it)[1].str() : (*it)[2].str());
  return words;
}

// The SYNOPSIS section as plain lines.
std::vector<std::string> Synopsis(const std::string& page) {
  std::vector<std::string> lines(1);
  std::istringstream in(page);
  bool inside = false;
  for (std::string line; std::getline(in, line);) {
    if (line.starts_with(".SH")) {
      inside = line == ".SH SYNOPSIS";
      continue;
    }
    if (!inside) continue;
    if (line == ".br") {
      lines.emplace_back();
      continue;
    }
    std::vector<std::string> words = RoffWords(Unescape(line));
    const std::string macro = words.empty() ? "" : words.front();
    words.erase(words.begin());
    const bool spaced = macro == ".B" || macro == ".I";
    std::string piece;
    for (const std::string& w : words) piece += (spaced && !piece.empty() ? " " : "") + w;
    lines.back() += (lines.back().empty() ? "" : " ") + piece;
  }
  return lines;
}

std::string Section(const std::string& page, const std::string& name) {
  const size_t start = page.find(".SH " + name + "\n");
  const size_t end = page.find("\n.SH ", start + 1);
  return start == std::string::npos ? "" : page.substr(start, end - start);
}

TEST(ManualPage, SynopsisIsTheUsageOfHelp) {
  std::vector<std::string> usage;
  std::istringstream help(CliOutput({"--help"}));
  for (std::string line; std::getline(help, line) && !line.empty();)
    usage.push_back(line.substr(line.find("tesserin-cli")));
  EXPECT_EQ(usage, Synopsis(ManualPage()));
}

TEST(ManualPage, SameLongOptionsAsHelp) {
  const std::string options = R"((--[a-z]+))";
  EXPECT_EQ(Matches(CliOutput({"--help"}), options), Matches(Unescape(ManualPage()), options));
}

TEST(ManualPage, ExitStatusesOfHelpAreListed) {
  const std::set<std::string> inHelp = Matches(CliOutput({"--help"}), R"(exit status (\d+))");
  const std::set<std::string> listed = Matches(Section(ManualPage(), "EXIT STATUS"), R"(\.B (\d+))");
  EXPECT_EQ(std::set<std::string>({"2", "64", "74"}), inHelp);
  EXPECT_EQ(std::set<std::string>({"0", "2", "64", "74"}), listed);
}

TEST(ManualPage, CarriesTheVersionOfTheReader) {
  const std::string version = CliOutput({"--version"});
  ASSERT_TRUE(version.starts_with("tesserin-cli ")) << version;
  const std::string number = version.substr(13, version.size() - 14);
  EXPECT_NE(std::string::npos, ManualPage().find("\"Tesserin " + number + "\"")) << number;
}

}  // namespace
}  // namespace tesserin
