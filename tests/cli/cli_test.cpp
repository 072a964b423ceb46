// tesserin-cli: one reading from the arguments, and batches of readings as JSON Lines.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/Cli.h"

namespace tesserin {
namespace {

using namespace std::string_literals;

struct Result {
  int status;
  std::string out, err;
};

Result Cli(std::vector<std::string> args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out, err;
  int status = RunCli(args, in, out, err);
  return {status, out.str(), err.str()};
}

TEST(Cli, PrintsTheSixFieldsUnderTheirCaptions) {
  Result r = Cli({"1990", "5", "12"});
  EXPECT_EQ(kExitOk, r.status);
  EXPECT_EQ(
      "八字：庚午 辛巳 庚子\n"
      "性格总论：聪明刚强正直，追求完美，对别人要求过高，女人爱追求年长的异性，婚姻不佳\n"
      "性欲指数：★★★★★\n"
      "可约指数：★★★★★\n"
      "善良指数：★★★☆☆\n"
      "要钱指数：☆☆☆☆☆\n",
      r.out);
  EXPECT_EQ("", r.err);
  EXPECT_EQ(r.out, Cli({"--lunar", "1990", "5", "12"}).out);
  EXPECT_EQ(0u, Cli({"--solar", "1990", "5", "12"}).out.find("八字：庚午 辛巳 丁丑\n"));
}

TEST(Cli, RefusalsGoToStandardErrorWithStatus2) {
  struct Case {
    std::vector<std::string> args;
    const char* err;
  };
  const Case kCases[] = {
      {{"2030", "5", "12"}, "本程序只计算1950～2025年间的数据\n"},
      {{"1990", "13", "12"}, "月或日数据超出正常范围\n"},
      {{"1990", "", "12"}, "'' is not a valid integer value\n"},
      {{"--solar", "1990", "-5", "12"}, "月或日数据超出正常范围\n"},  // a negative number is no option
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.err);
    Result r = Cli(c.args);
    EXPECT_EQ(kExitReadingRefused, r.status);
    EXPECT_EQ(c.err, r.err);
    EXPECT_EQ("", r.out);
  }
}

TEST(Cli, UsageErrorsAndHelp) {
  for (const auto& args : std::vector<std::vector<std::string>>{{}, {"1990", "5"}, {"--moon", "1990", "5", "12"},
                                                                {"--batch", "x"}}) {
    Result r = Cli(args);
    EXPECT_EQ(kExitUsage, r.status);
    EXPECT_NE(std::string::npos, r.err.find("Usage:"));
  }
  Result help = Cli({"--help"});
  EXPECT_EQ(kExitOk, help.status);
  EXPECT_NE(std::string::npos, help.out.find("--batch"));
}

TEST(CliBatch, WritesOneJsonObjectPerLine) {
  struct Case {
    const char* what;
    std::string line;
    std::string json;
  };
  const Case kCases[] = {
      {"a completed reading", "1950\t1\t7\tsolar",
       R"j({"year":"1950","month":"1","day":"7","mode":"solar","line":"八字：己丑 丁丑 壬寅",)j"
       R"j("pillars":"己丑丁丑壬寅","chart":"正官正财日元丑正官丑正官寅食神",)j"
       R"j("personality":"性格温和善良，人缘佳，思多行少，喜研究爱学习。女命夫运差，中年易丧夫，女晚婚或离婚",)j"
       R"j("libido":1,"date":4,"kindness":3,"money":0,"marriage":5,)j"
       R"j("stars":{"libido":"★☆☆☆☆","date":"★★★★☆","kindness":"★★★☆☆","money":"☆☆☆☆☆"}})j"},
      {"a validation message", "2030\t\t12\tlunar",
       R"j({"year":"2030","month":"","day":"12","mode":"lunar","message":"本程序只计算1950～2025年间的数据"})j"},
      {"the conversion error", "1990\t5\t\tlunar",
       R"j({"year":"1990","month":"5","day":"","mode":"lunar","error":"'' is not a valid integer value"})j"},
      {"an unknown mode", "1990\t5\t12\tmoon",
       R"j({"year":"1990","month":"5","day":"12","mode":"moon","error":"unknown mode (expected lunar or solar)"})j"},
      {"too few fields", "1990\t5\t12",
       R"j({"input":"1990\t5\t12","error":"expected 4 TAB-separated fields (year, month, day, mode), found 3"})j"},
      {"an empty line", "",
       R"j({"input":"","error":"expected 4 TAB-separated fields (year, month, day, mode), found 1"})j"},
      {"quotes and control characters are escaped", "\"\\\x01\t5\t12\tsolar",
       R"j({"year":"\"\\\u0001","month":"5","day":"12","mode":"solar","error":"'\"\\\u0001' is not a valid integer value"})j"},
      {"a NUL byte: the message is whole", "1990\t5\t1\0" "2\tlunar"s,
       R"j({"year":"1990","month":"5","day":"1\u00002","mode":"lunar","error":"'1\u00002' is not a valid integer value"})j"},
      {"bytes that are not UTF-8", "19\xff" "0\t5\t12\tsolar",
       R"j({"year":"19)j" "\xEF\xBF\xBD" R"j(0","month":"5","day":"12","mode":"solar","error":"'19?0' is not a valid integer value"})j"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    Result r = Cli({"--batch"}, c.line + "\n");
    EXPECT_EQ(kExitOk, r.status);
    if (!c.json.empty()) {
      EXPECT_EQ(c.json + "\n", r.out);
    }
  }
  // Blanks, a sign and a leading zero read as the numbers they write.
  Result padded = Cli({"--batch"}, " 1990\t+5\t012\tlunar\n");
  Result plain = Cli({"--batch"}, "1990\t5\t12\tlunar\n");
  EXPECT_EQ(plain.out.substr(plain.out.find("\"line\"")), padded.out.substr(padded.out.find("\"line\"")));
}

TEST(CliBatch, GoesOnAfterBadLinesAndAcceptsWindowsLineEnds) {
  std::string input = "1990\t5\t12\tlunar\r\nnonsense\n" + std::string(10000, '9') + "\t5\t12\tsolar\n1990\t5\t12\tsolar";
  Result r = Cli({"--batch"}, input);
  std::istringstream lines(r.out);
  std::vector<std::string> out;
  for (std::string line; std::getline(lines, line);) out.push_back(line);
  ASSERT_EQ(4u, out.size());
  EXPECT_NE(std::string::npos, out[0].find("\"mode\":\"lunar\",\"line\""));
  EXPECT_NE(std::string::npos, out[1].find("\"error\""));
  EXPECT_NE(std::string::npos, out[2].find("is not a valid integer value"));
  EXPECT_NE(std::string::npos, out[3].find("\"pillars\":\"庚午辛巳丁丑\""));
}

// Input is read in blocks of 64 KiB: lines that cross from one block into the next, and a line
// longer than several blocks, are each still one line.
TEST(CliBatch, LinesOfAnyLengthAcrossTheReadBlocks) {
  const std::string good = "1990\t5\t12\tsolar\n";
  std::string input;
  while (input.size() < 70000) input += good;  // the last of these crosses the first block's end
  const std::size_t goodLines = input.size() / good.size();
  input += std::string(200000, '7') + "\t5\t12\tsolar\n\n" + good.substr(0, good.size() - 1);
  Result r = Cli({"--batch"}, input);
  std::istringstream lines(r.out);
  std::vector<std::string> out;
  for (std::string line; std::getline(lines, line);) out.push_back(line);
  ASSERT_EQ(goodLines + 3, out.size());
  for (std::size_t i = 0; i < goodLines; ++i) ASSERT_EQ(out[0], out[i]) << "line " << i;
  EXPECT_NE(std::string::npos, out[0].find("\"pillars\":\"庚午辛巳丁丑\""));
  EXPECT_EQ(0u, out[goodLines].find("{\"year\":\"" + std::string(200000, '7') + "\",\"month\""));
  EXPECT_NE(std::string::npos, out[goodLines].find("is not a valid integer value"));
  EXPECT_NE(std::string::npos, out[goodLines + 1].find("found 1"));  // the empty line
  EXPECT_EQ(out[0], out[goodLines + 2]);                             // the last, without a line end
}

}  // namespace
}  // namespace tesserin
