// Ten-god names, the chart of a reading, and the officer class of the hidden stems.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "TestText.h"
#include "tengod/TenGod.h"

namespace tesserin {
namespace {

// Ten-god names by day stem (rows) and the other character (columns), in cycle order.
// Stems 甲 to 癸:
const char* const kNamesOfStems[10][10] = {
    {"比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印", "正印"},  // 甲
    {"劫财", "比肩", "伤官", "食神", "正财", "偏财", "正官", "七杀", "正印", "偏印"},  // 乙
    {"偏印", "正印", "比肩", "劫财", "食神", "伤官", "偏财", "正财", "七杀", "正官"},  // 丙
    {"正印", "偏印", "劫财", "比肩", "伤官", "食神", "正财", "偏财", "正官", "七杀"},  // 丁
    {"七杀", "正官", "偏印", "正印", "比肩", "劫财", "食神", "伤官", "偏财", "正财"},  // 戊
    {"正官", "七杀", "正印", "偏印", "劫财", "比肩", "伤官", "食神", "正财", "偏财"},  // 己
    {"偏财", "正财", "七杀", "正官", "偏印", "正印", "比肩", "劫财", "食神", "伤官"},  // 庚
    {"正财", "偏财", "正官", "七杀", "正印", "偏印", "劫财", "比肩", "伤官", "食神"},  // 辛
    {"食神", "伤官", "偏财", "正财", "七杀", "正官", "偏印", "正印", "比肩", "劫财"},  // 壬
    {"伤官", "食神", "正财", "偏财", "正官", "七杀", "正印", "偏印", "劫财", "比肩"},  // 癸
};
// Branches 子 to 亥:
const char* const kNamesOfBranches[10][12] = {
    {"正印", "正财", "比肩", "劫财", "偏财", "食神", "伤官", "正财", "七杀", "正官", "偏财", "偏印"},  // 甲
    {"偏印", "偏财", "劫财", "比肩", "正财", "伤官", "食神", "偏财", "正官", "七杀", "正财", "正印"},  // 乙
    {"正官", "伤官", "偏印", "正印", "食神", "比肩", "劫财", "伤官", "偏财", "正财", "食神", "七杀"},  // 丙
    {"七杀", "食神", "正印", "偏印", "伤官", "劫财", "比肩", "食神", "正财", "偏财", "伤官", "正官"},  // 丁
    {"正财", "劫财", "七杀", "正官", "比肩", "偏印", "正印", "劫财", "食神", "伤官", "比肩", "偏财"},  // 戊
    {"偏财", "比肩", "正官", "七杀", "劫财", "正印", "偏印", "比肩", "伤官", "食神", "劫财", "正财"},  // 己
    {"伤官", "正印", "偏财", "正财", "偏印", "七杀", "正官", "正印", "比肩", "劫财", "偏印", "食神"},  // 庚
    {"食神", "偏印", "正财", "偏财", "正印", "正官", "七杀", "偏印", "劫财", "比肩", "正印", "伤官"},  // 辛
    {"劫财", "正官", "食神", "伤官", "七杀", "偏财", "正财", "正官", "偏印", "正印", "七杀", "比肩"},  // 壬
    {"比肩", "七杀", "伤官", "食神", "正官", "正财", "偏财", "七杀", "正印", "偏印", "正官", "劫财"},  // 癸
};

TEST(TenGodOf, GivesTheNameOfEveryStemAndBranchForEveryDayStem) {
  for (int day = 0; day < 10; ++day) {
    StemName dayStem = static_cast<StemName>(day);
    for (int s = 0; s < 10; ++s) {
      StemName other = static_cast<StemName>(s);
      SCOPED_TRACE(U(StemText(dayStem)) + " / " + U(StemText(other)));
      EXPECT_EQ(kNamesOfStems[day][s], U(GodNameText(TenGodOf(dayStem, other))));
    }
    for (int b = 0; b < 12; ++b) {
      BranchName other = static_cast<BranchName>(b);
      SCOPED_TRACE(U(StemText(dayStem)) + " / " + U(BranchText(other)));
      EXPECT_EQ(kNamesOfBranches[day][b], U(GodNameText(TenGodOf(dayStem, other))));
    }
  }
}

TEST(OfficerScore, ClassifiesTheOfficersAmongHiddenStems) {
  struct Case {
    StemName dayStem;
    const char* pillars;
    int expected;
  };
  const Case kCases[] = {
      {丙, "甲辰壬申丙子", 2},  // 正官 from 辰's 癸, 七杀 from 申's 壬
      {丙, "甲辰丁丑丙子", 4},  // two 正官
      {丙, "壬申壬子丙子", 4},  // 七杀 only
      {甲, "甲子乙丑丙寅", 3},  // one 正官 (丑's 辛)
      {丙, "甲子乙卯丙子", 1},  // no hidden stems at all
      {丙, "甲辰甲辰丙申", 4},  // two 正官 and one 七杀
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(U(StemText(c.dayStem)) + " " + c.pillars);
    EXPECT_EQ(c.expected, OfficerScore(c.dayStem, P(c.pillars)));
  }
}

// Through the hidden stems, each day stem meets 正官 and 七杀 only in these branches.
TEST(OfficerScore, FindsOfficersAndKillersInExactlyTheirBranches) {
  struct Case {
    StemName dayStem;
    std::vector<BranchName> officerFrom, killerFrom;
  };
  const Case kCases[] = {
      {甲, {戌, 丑}, {}},      {乙, {}, {戌, 丑}},      {丙, {辰, 丑}, {申}},    {丁, {申}, {辰, 丑}},
      {戊, {辰, 未}, {亥}},    {己, {亥}, {辰, 未}},    {庚, {未, 戌}, {寅, 巳}}, {辛, {寅, 巳}, {未, 戌}},
      {壬, {午}, {寅, 巳, 申}}, {癸, {寅, 巳, 申}, {午}},
  };
  auto holds = [](const std::vector<BranchName>& branches, BranchName b) {
    return std::find(branches.begin(), branches.end(), b) != branches.end();
  };
  for (const Case& c : kCases) {
    for (int b = 0; b < 12; ++b) {
      BranchName branch = static_cast<BranchName>(b);
      SCOPED_TRACE(U(StemText(c.dayStem)) + " with " + U(BranchText(branch)));
      // 子 hides nothing: the third branch alone decides.
      Pillars pillars(EntryOf(甲, 子), EntryOf(甲, 子), EntryOf(static_cast<StemName>(b % 2), branch));
      bool officer = holds(c.officerFrom, branch), killer = holds(c.killerFrom, branch);
      int expected = officer && killer ? 2 : officer ? 3 : killer ? 4 : 1;
      EXPECT_EQ(expected, OfficerScore(c.dayStem, pillars));
    }
  }
}

}  // namespace
}  // namespace tesserin
