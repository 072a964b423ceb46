// The reader's own messages in the user's language: which language, and that the Chinese texts
// say what the English ones say.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "CliRun.h"
#include "cli/Language.h"
#include "cli/Messages.h"

namespace tesserin {
namespace {

TEST(CliMessages, LanguageOfTheLocaleVariables) {
  struct Case {
    const char *lcAll, *lcMessages, *lang;
    Language language;
  };
  const Case kCases[] = {
      {nullptr, nullptr, nullptr, Language::kEnglish},
      {nullptr, nullptr, "zh_CN.UTF-8", Language::kChinese},
      {nullptr, nullptr, "zh_TW.Big5", Language::kChinese},
      {nullptr, nullptr, "zh", Language::kChinese},
      {nullptr, nullptr, "en_US.UTF-8", Language::kEnglish},
      {nullptr, nullptr, "C.UTF-8", Language::kEnglish},
      {nullptr, "zh_CN.UTF-8", "en_US.UTF-8", Language::kChinese},   // LC_MESSAGES before LANG
      {nullptr, "en_US.UTF-8", "zh_CN.UTF-8", Language::kEnglish},
      {"zh_HK.UTF-8", "en_US.UTF-8", "en_US.UTF-8", Language::kChinese},  // LC_ALL before both
      {"C", "zh_CN.UTF-8", "zh_CN.UTF-8", Language::kEnglish},
      {"", "", "zh_CN.UTF-8", Language::kChinese},  // an empty variable counts as unset
      {nullptr, nullptr, "", Language::kEnglish},
      {nullptr, nullptr, "ZH_CN", Language::kEnglish},  // locale names are spelt in lower case
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.lcAll ? c.lcAll : "-") + " " + (c.lcMessages ? c.lcMessages : "-") + " " +
                 (c.lang ? c.lang : "-"));
    EXPECT_EQ(c.language, LanguageOfLocale(c.lcAll, c.lcMessages, c.lang));
  }
}

TEST(CliMessages, LanguageOfTheWindowsDisplayLanguage) {
  struct Case {
    unsigned short id;
    const char* what;
    Language language;
  };
  const Case kCases[] = {
      {0x0804, "zh-CN", Language::kChinese}, {0x0404, "zh-TW", Language::kChinese},
      {0x0C04, "zh-HK", Language::kChinese}, {0x1004, "zh-SG", Language::kChinese},
      {0x7804, "zh", Language::kChinese},    {0x0409, "en-US", Language::kEnglish},
      {0x0411, "ja-JP", Language::kEnglish}, {0x0412, "ko-KR", Language::kEnglish},
      {0x0000, "neutral", Language::kEnglish},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.language, LanguageOfWindowsLanguageId(c.id));
  }
}

CliResult RunInChinese(const std::vector<std::string>& args, const std::string& input = "") {
  return RunCliOn(args, input, Language::kChinese);
}

// In Chinese: the usage errors with their exit status, and the short usage after them.
TEST(CliMessages, UsageErrorsInChinese) {
  struct Case {
    std::vector<std::string> args;
    const char* first;
  };
  const Case kCases[] = {
      {{"--bogus"}, "tesserin-cli: 无法识别的选项 --bogus"},
      {{"1990", "5"}, "tesserin-cli: 请给出年、月、日三个数，或写成 YYYY-MM-DD 或 YYYY/M/D 的日期"},
      {{"--batch", "x"}, "tesserin-cli: --batch 之后只能再给 --format（日期从标准输入读取）"},
      {{"--batch", "--format=xml"}, "tesserin-cli: 无法识别的格式“xml”（可用 --format=jsonl 或 --format=csv）"},
      {{"--format=csv", "1990-05-12"}, "tesserin-cli: --format 只能与 --batch 一起使用"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.first);
    const CliResult r = RunInChinese(c.args);
    EXPECT_EQ(kExitUsage, r.status);
    const std::vector<std::string> lines = LinesOf(r.err);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(c.first, lines[0]);
    EXPECT_EQ(0u, lines[1].find("用法：tesserin-cli "));
  }
}

// The reading's texts, the six lines and the batch's JSON are the same in either language.
TEST(CliMessages, TheReadingIsTheSameInEitherLanguage) {
  const std::vector<std::string> kArgs[] = {{"1990", "5", "12"}, {"--verbose", "1990-05-12"}, {"2030", "1", "1"},
                                            {"1990", "x", "1"}};
  for (const auto& args : kArgs) {
    SCOPED_TRACE(args.back());
    const CliResult english = RunCliOn(args), chinese = RunInChinese(args);
    EXPECT_EQ(english.status, chinese.status);
    EXPECT_EQ(english.out, chinese.out);
    EXPECT_EQ(english.err, chinese.err);
  }
  const std::string batch = "1990\t5\t12\tlunar\nnonsense\n1990-05-12\tmoon\n2030\t1\t1\tsolar\n";
  EXPECT_EQ(RunCliOn({"--batch"}, batch).out, RunInChinese({"--batch"}, batch).out);
  EXPECT_EQ(RunCliOn({"--batch", "--format=csv"}, batch).out, RunInChinese({"--batch", "--format=csv"}, batch).out);
}

// The Chinese help names the options, the formats and the exit statuses that the English one
// names, and its forms are those of the English usage.
TEST(CliMessages, TheChineseHelpSaysWhatTheEnglishSays) {
  const std::string english = RunCliOn({"--help"}).out, chinese = RunInChinese({"--help"}).out;
  EXPECT_EQ(Matches(english, R"((--[a-z]+(=[a-z]+)?))"), Matches(chinese, R"((--[a-z]+(=[a-z]+)?))"));
  EXPECT_EQ(Matches(english, R"(exit status (\d+))"), Matches(chinese, R"(退出状态为 (\d+))"));
  const std::vector<std::string> englishLines = LinesOf(english), chineseLines = LinesOf(chinese);
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(englishLines.at(i));
    const std::string form = englishLines.at(i).substr(englishLines[i].find("tesserin-cli"));
    const std::string chineseForm = chineseLines.at(i).substr(chineseLines[i].find("tesserin-cli"));
    EXPECT_EQ(std::regex_replace(form, std::regex("YEAR MONTH DAY"), "年 月 日"),
              std::regex_replace(chineseForm, std::regex("日期$"), "DATE"));
  }
}

}  // namespace
}  // namespace tesserin
