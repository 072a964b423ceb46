// tesserin-cli: one reading from the arguments, and batches of readings as JSON Lines.
#include <gtest/gtest.h>

#include <algorithm>

#include "CliRun.h"

namespace tesserin {
namespace {

using namespace std::string_literals;


TEST(Cli, PrintsTheSixFieldsUnderTheirCaptions) {
  CliResult r = RunCliOn({"1990", "5", "12"});
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
  EXPECT_EQ(r.out, RunCliOn({"--lunar", "1990", "5", "12"}).out);
  EXPECT_EQ(0u, RunCliOn({"--solar", "1990", "5", "12"}).out.find("八字：庚午 辛巳 丁丑\n"));
}

TEST(Cli, RefusalsGoToStandardErrorWithStatus2) {
  struct Case {
    std::vector<std::string> args;
    const char* err;
    Language language = Language::kEnglish;
  };
  const Case kCases[] = {
      {{"2030", "5", "12"}, "本程序只计算1950～2025年间的数据\n"},
      {{"1990", "13", "12"}, "月或日数据超出正常范围\n"},
      {{"1990", "", "12"}, "'' is not a valid integer value\n"},
      // A field is quoted as given, characters that code page 936 lacks included.
      {{"1990", "5", "1\U0001F600"}, "'1\U0001F600' is not a valid integer value\n"},
      {{"1990", "\u00A05", "12"}, "'\u00A05' is not a valid integer value\n"},
      {{"--solar", "1990", "-5", "12"}, "月或日数据超出正常范围\n"},  // a negative number is no option
      // A day past its month's end: the window says 月或日数据超出正常范围; the reader says more.
      {{"--solar", "1990", "2", "31"}, "no such date: 1990-02-31 is past the end of its month\n"},
      {{"--solar", "1990-04-31"}, "no such date: 1990-04-31 is past the end of its month\n"},
      {{"--solar", "1990/2/29"}, "日期不存在：公历 1990-02-29 超出了当月的天数\n", Language::kChinese},
      {{"1990", "2", "31"}, "no such date: 1990-02-31 is past the end of its month, lunar and solar alike\n"},
      {{"1951-02-30"}, "日期不存在：1951-02-30 在农历和公历中都超出了当月的天数\n", Language::kChinese},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.err);
    CliResult r = RunCliOn(c.args, "", c.language);
    EXPECT_EQ(kExitReadingRefused, r.status);
    EXPECT_EQ(c.err, r.err);
    EXPECT_EQ("", r.out);
  }
}

TEST(Cli, UsageErrorsAndHelp) {
  for (const auto& args : std::vector<std::vector<std::string>>{{"1990", "5"},
                                                                {"--moon", "1990", "5", "12"},
                                                                {"--batch", "x"},
                                                                {"--batch", "--format=xml"},
                                                                {"--batch", "--format"},
                                                                {"--batch", "--format=csv", "1990-05-12"},
                                                                {"--format=csv", "1990", "5", "12"}}) {
    SCOPED_TRACE(args.back());
    CliResult r = RunCliOn(args);
    EXPECT_EQ(kExitUsage, r.status);
    EXPECT_EQ(0u, r.err.find("tesserin-cli: "));
    EXPECT_NE(std::string::npos, r.err.find("\nUsage:"));
    EXPECT_LE(LinesOf(r.err).size(), 5u) << "the error and the short usage";
    EXPECT_EQ("", r.out);
  }
  EXPECT_EQ(0u, RunCliOn({"--batch", "--format=xml"}).err.find("tesserin-cli: unknown format 'xml' (expected "));
  CliResult help = RunCliOn({"--help"});
  EXPECT_EQ(kExitOk, help.status);
  EXPECT_NE(std::string::npos, help.out.find("--batch"));
  EXPECT_NE(std::string::npos, help.out.find("--format=csv"));
}

// Called with nothing: the forms in a few lines and where to read more, not the whole help.
TEST(Cli, ABareCallGivesTheShortUsage) {
  for (Language language : {Language::kEnglish, Language::kChinese}) {
    const CliResult bare = RunCliOn({}, "", language);
    EXPECT_EQ(kExitUsage, bare.status);
    EXPECT_EQ("", bare.out);
    const std::vector<std::string> lines = LinesOf(bare.err);
    EXPECT_GE(lines.size(), 2u);
    EXPECT_LE(lines.size(), 4u);
    for (const char* form : {"[--lunar|--solar] [--verbose]", "--batch [--format=jsonl|csv]", "tesserin-cli --help"})
      EXPECT_NE(std::string::npos, bare.err.find(form)) << form;
  }
}

// The format of a batch: JSON Lines unless --format=csv, before or after --batch.
TEST(Cli, BatchFormats) {
  const std::string line = "1990\t5\t12\tlunar\n";
  const CliResult json = RunCliOn({"--batch"}, line);
  EXPECT_EQ(json.out, RunCliOn({"--batch", "--format=jsonl"}, line).out);
  EXPECT_EQ(0u, json.out.find("{\"year\":\"1990\""));
  for (const auto& args : std::vector<std::vector<std::string>>{{"--batch", "--format=csv"}, {"--format=csv", "--batch"}}) {
    const CliResult csv = RunCliOn(args, line);
    EXPECT_EQ(kExitOk, csv.status);
    EXPECT_EQ(0u, csv.out.find("\xEF\xBB\xBF"));
    EXPECT_EQ(2u, LinesOf(csv.out).size());
  }
}

TEST(Cli, TakesTheDateAsOneText) {
  struct Case {
    std::vector<std::string> args, sameAs;
  };
  const Case kCases[] = {
      {{"1990-05-12"}, {"1990", "5", "12"}},
      {{"1990/5/12"}, {"1990", "5", "12"}},
      {{"--solar", "1990/5/12"}, {"--solar", "1990", "5", "12"}},
      {{"--", "1990-5-2"}, {"1990", "5", "2"}},
      {{"2030-01-01"}, {"2030", "1", "1"}},  // refused as the three fields are
      {{" 1990-05-12"}, {"1990", "5", "12"}},  // blanks on either side alike
      {{"1990-05-12 "}, {"1990", "5", "12"}},
      {{"\t1990/5/12  "}, {"1990", "5", "12"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.args.back());
    CliResult r = RunCliOn(c.args), expected = RunCliOn(c.sameAs);
    EXPECT_EQ(expected.status, r.status);
    EXPECT_EQ(expected.out, r.out);
    EXPECT_EQ(expected.err, r.err);
  }
}

TEST(Cli, ADateItCannotTellNamesTheFormsItTakes) {
  const std::vector<std::string> kArgs[] = {{"1990.05.12"}, {"90-5-12"},     {"1990-5/12"},          {"1990-005-12"},
                                            {"1990-05-"},   {"1990-05-12x"}, {"1990-05-12", "lunar"}, {"1990 -05-12"},
                                            {" "},          {"1990-05-12 x"}};
  for (const auto& args : kArgs) {
    SCOPED_TRACE(args.front());
    CliResult r = RunCliOn(args);
    EXPECT_EQ(kExitUsage, r.status);
    EXPECT_EQ(0u, r.err.find("tesserin-cli: expected YEAR MONTH DAY, or DATE as YYYY-MM-DD or YYYY/M/D\nUsage:"));
    EXPECT_EQ("", r.out);
  }
}

// --verbose: a seventh line with the solar date whose pillars were read, and how the date was
// read; the six lines stay as they are.
TEST(Cli, VerboseSaysWhichSolarDateWasRead) {
  struct Case {
    std::vector<std::string> args;
    const char* seventh;
  };
  const Case kCases[] = {
      {{"1990", "5", "12"}, "solar_date: 1990-06-04 read_as: lunar\n"},
      {{"--solar", "2000-02-29"}, "solar_date: 2000-02-29 read_as: solar\n"},
      {{"1951", "5", "30"}, "solar_date: 1951-05-30 read_as: solar\n"},  // day 30 of a 29-day month
      {{"2025/12/29"}, "solar_date: 2026-02-16 read_as: lunar\n"},       // the eve of lunar new year 2026
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.seventh);
    std::vector<std::string> verbose = c.args;
    verbose.insert(verbose.begin(), "--verbose");
    CliResult plain = RunCliOn(c.args), r = RunCliOn(verbose);
    EXPECT_EQ(kExitOk, r.status);
    EXPECT_EQ(plain.out + c.seventh, r.out);
    EXPECT_EQ(6u, LinesOf(plain.out).size());
  }
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
       R"j("stars":{"libido":"★☆☆☆☆","date":"★★★★☆","kindness":"★★★☆☆","money":"☆☆☆☆☆"},)j"
       R"j("solar_date":"1950-01-07","read_as":"solar"})j"},
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
      {"a day past its month's end", "1990\t2\t29\tsolar",
       R"j({"year":"1990","month":"2","day":"29","mode":"solar","error":"no such date: 1990-02-29 is past the end of its month"})j"},
      {"a lunar day that falls back to no solar day", "1990-04-31\tlunar",
       R"j({"year":"1990","month":"04","day":"31","mode":"lunar","error":"no such date: 1990-04-31 is past the end of its month, lunar and solar alike"})j"},
      {"bytes that are not UTF-8: the error quotes the field as the echo does", "19\xff" "0\t5\t12\tsolar",
       R"j({"year":"19)j" "\xEF\xBF\xBD" R"j(0","month":"5","day":"12","mode":"solar","error":"'19)j" "\xEF\xBF\xBD"
       R"j(0' is not a valid integer value"})j"},
      {"characters that code page 936 lacks are quoted as given", "1990\t\u00A05\t1\U0001F600\tsolar",
       R"j({"year":"1990","month":")j" "\u00A05" R"j(","day":")j" "1\U0001F600" R"j(","mode":"solar","error":"')j"
       "\u00A05" R"j(' is not a valid integer value"})j"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    CliResult r = RunCliOn({"--batch"}, c.line + "\n");
    EXPECT_EQ(kExitOk, r.status);
    if (!c.json.empty()) {
      EXPECT_EQ(c.json + "\n", r.out);
    }
  }
  // Blanks, a sign and a leading zero read as the numbers they write.
  CliResult padded = RunCliOn({"--batch"}, " 1990\t+5\t012\tlunar\n");
  CliResult plain = RunCliOn({"--batch"}, "1990\t5\t12\tlunar\n");
  EXPECT_EQ(plain.out.substr(plain.out.find("\"line\"")), padded.out.substr(padded.out.find("\"line\"")));
}

// Each reading names the solar date its pillars belong to and how its date was read; its
// pillars are those of the solar reading of that date.
TEST(CliBatch, SaysWhichSolarDateWasRead) {
  struct Case {
    const char* what;
    const char* line;
    const char* solarDate;
    const char* readAs;
  };
  const Case kCases[] = {
      {"lunar 1990-05-12", "1990\t5\t12\tlunar", "1990-06-04", "lunar"},
      {"lunar new year 2000", "2000\t1\t1\tlunar", "2000-02-05", "lunar"},
      {"solar 29 February of a leap year", "2000\t2\t29\tsolar", "2000-02-29", "solar"},
      {"lunar day 30 of a 29-day month falls back to solar", "1951\t5\t30\tlunar", "1951-05-30", "solar"},
      {"lunar day 31", "1990\t1\t31\tlunar", "1990-01-31", "solar"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const std::string out = RunCliOn({"--batch"}, c.line + "\n"s).out;
    const std::string tail = ",\"solar_date\":\""s + c.solarDate + "\",\"read_as\":\"" + c.readAs + "\"}\n";
    ASSERT_TRUE(out.ends_with(tail)) << out;
    std::string date = c.solarDate;
    std::replace(date.begin(), date.end(), '-', '\t');
    const std::string solar = RunCliOn({"--batch"}, date + "\tsolar\n").out;
    auto pillars = [](const std::string& json) { return json.substr(json.find("\"pillars\""), 30); };
    EXPECT_EQ(pillars(solar), pillars(out));
  }
}

// A line of a date and a mode reads as the date's three fields would.
TEST(CliBatch, TakesTheDateAsOneField) {
  struct Case {
    const char* line;
    const char* json;  // empty: the same as the line of three fields
    const char* sameAs;
  };
  const Case kCases[] = {
      {"1990-05-12\tlunar", "", "1990\t05\t12\tlunar"},
      {"1990/5/12\tsolar", "", "1990\t5\t12\tsolar"},
      {"1990/2/30\tsolar\r", "", "1990\t2\t30\tsolar"},
      {"2030-01-01\tlunar", "", "2030\t01\t01\tlunar"},
      {"1990-05-12\tmoon", "", "1990\t05\t12\tmoon"},
      {" 1990-05-12\tlunar", "", "1990\t05\t12\tlunar"},  // blanks on either side alike
      {"1990-05-12 \tlunar", "", "1990\t05\t12\tlunar"},
      {"  1990/5/12  \tsolar\r", "", "1990\t5\t12\tsolar"},
      {"1990.05.12\tlunar",
       R"j({"input":"1990.05.12\tlunar","error":"expected the date as YYYY-MM-DD or YYYY/M/D, or 4 TAB-separated fields (year, month, day, mode)"})j",
       ""},
      {"1990\tlunar",
       R"j({"input":"1990\tlunar","error":"expected the date as YYYY-MM-DD or YYYY/M/D, or 4 TAB-separated fields (year, month, day, mode)"})j",
       ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.line);
    const std::string out = RunCliOn({"--batch"}, c.line + "\n"s).out;
    if (*c.json) {
      EXPECT_EQ(c.json + "\n"s, out);
    } else {
      EXPECT_EQ(RunCliOn({"--batch"}, c.sameAs + "\n"s).out, out);
    }
  }
}

TEST(CliBatch, GoesOnAfterBadLinesAndAcceptsWindowsLineEnds) {
  std::string input = "1990\t5\t12\tlunar\r\nnonsense\n" + std::string(10000, '9') + "\t5\t12\tsolar\n1990\t5\t12\tsolar";
  std::vector<std::string> out = LinesOf(RunCliOn({"--batch"}, input).out);
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
  std::vector<std::string> out = LinesOf(RunCliOn({"--batch"}, input).out);
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
