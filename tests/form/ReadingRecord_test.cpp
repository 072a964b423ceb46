// The record of readings: which runs add a row, newest first, the cap, the cells of each kind
// of row, and the text a copy puts on the clipboard.
#include "form/ReadingRecord.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "TestText.h"
#include "WorkedReadings.h"

namespace tesserin::ui {
namespace {

constexpr CalendarMode kLunar = CalendarMode::Lunar;
constexpr CalendarMode kSolar = CalendarMode::Solar;

AnalysisOutcome Outcome(CalendarMode mode, const char* year, const char* month, const char* day) {
  return AnalysisRun(InputOfTexts(year, month, day, mode));
}

// A row of a reading; a null nickname for a typed date.
RecordRow RowOf(CalendarMode mode, const char* year, const char* month, const char* day,
                const char* nickname = nullptr, ClockTime time = {9, 5, 7}) {
  std::optional<GbkString> name;
  if (nickname) name = G(nickname);
  std::optional<RecordRow> row = RowOfRun(Outcome(mode, year, month, day), time, name, G("33"));
  if (!row) throw std::logic_error("the run was refused");
  return *row;
}

std::vector<std::string> Cells(const RecordRow& row, CellForm form = CellForm::Copied) {
  std::vector<std::string> cells;
  for (int c = 0; c < kRecordColumnCount; ++c) cells.push_back(U(CellText(row, static_cast<RecordColumn>(c), form)));
  return cells;
}

TEST(ReadingRecord, AReadingAddsARowARefusalNone) {
  struct RunCase {
    const char* what;
    CalendarMode mode;
    const char *year, *month, *day;
    bool adds;
  };
  const RunCase cases[] = {
      {"lunar reading", kLunar, "1990", "5", "12", true},
      {"solar reading", kSolar, "1950", "1", "7", true},
      {"lunar day past its month's end, read as solar", kLunar, "1990", "5", "31", true},
      {"year out of range", kLunar, "1949", "5", "12", false},
      {"month out of range", kSolar, "1990", "13", "1", false},
      {"day out of range", kLunar, "1990", "5", "32", false},
      {"a field that is no whole number", kLunar, "1990", "", "12", false},
  };
  for (const RunCase& c : cases) {
    SCOPED_TRACE(c.what);
    std::optional<RecordRow> row = RowOfRun(Outcome(c.mode, c.year, c.month, c.day), {}, G("Ann"), {});
    EXPECT_EQ(row.has_value(), c.adds);
    if (row) {
      EXPECT_EQ(row->reading, std::get<Reading>(Outcome(c.mode, c.year, c.month, c.day)));
      EXPECT_EQ(row->nickname, G("Ann"));
    }
  }
}

TEST(ReadingRecord, NewestFirstAndTheOldestGoBeyondTheCap) {
  ReadingRecord record;
  const std::size_t total = ReadingRecord::kMaxRows + 2;
  for (std::size_t i = 0; i < total; ++i) {
    const bool oneWent = record.Add(UnreadableRow({}, std::to_string(i), {}));
    EXPECT_EQ(oneWent, i >= ReadingRecord::kMaxRows) << "row " << i;
  }
  ASSERT_EQ(record.Size(), ReadingRecord::kMaxRows);
  EXPECT_EQ(record.Row(0).nickname, std::to_string(total - 1)) << "the newest on top";
  EXPECT_EQ(record.Row(ReadingRecord::kMaxRows - 1).nickname, "2") << "rows 0 and 1 went";
}

TEST(ReadingRecord, CellsOfEachKindOfRow) {
  using testing::kLunar1990_5_12;
  using testing::kSolar1950_1_7;
  struct CellCase {
    const char* what;
    RecordRow row;
    std::vector<std::string> cells;
  };
  // A lunar date past its month's end reads as the solar date: its row is the solar row but for
  // how the date was read.
  std::vector<std::string> readAsSolar = Cells(RowOf(kSolar, "1990", "5", "31"));
  ASSERT_EQ(readAsSolar[2], "1990-05-31 公历");
  readAsSolar[2] = "1990-05-31 按公历";
  const CellCase cases[] = {
      {"lunar, no note, from a contact named 手动", RowOf(kLunar, "1990", "5", "12", "手动"),
       {"09:05:07", "手动", "1990-05-12 农历", "庚午 辛巳 庚子", "5", "5", "3", "0", ""}},
      {"solar, with the note", RowOf(kSolar, "1950", "1", "7", nullptr, {23, 59, 0}),
       {"23:59:00", "手动", "1950-01-07 公历", "己丑 丁丑 壬寅", "1", "4", "3", "0", "女晚婚或离婚"}},
      {"lunar date read as solar", RowOf(kLunar, "1990", "05", "31"),
       readAsSolar},
      {"unreadable profile", UnreadableRow({0, 0, 1}, G("阿\t明"), G("")),
       {"00:00:01", "阿 明", "没有识别出来", "", "", "", "", "", ""}},
  };
  // The worked readings' pillars and stars, as digits.
  EXPECT_EQ(std::string("八字：") + cases[0].cells[3], kLunar1990_5_12.pillarLine);
  EXPECT_EQ(std::string("八字：") + cases[1].cells[3], kSolar1950_1_7.pillarLine);
  for (const CellCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Cells(c.row), c.cells);
    // The list shows the same but for the time, to the minute, and the note, as its tag.
    std::vector<std::string> shown = c.cells;
    shown[0].resize(5);
    if (!shown[8].empty()) shown[8] = "晚婚";
    EXPECT_EQ(Cells(c.row, CellForm::Shown), shown);
  }
}

TEST(ReadingRecord, TheListsCaptionsAreShortTheCopysWhole) {
  std::string shown, copied;
  for (int c = 0; c < kRecordColumnCount; ++c) {
    shown += std::string(CaptionOf(static_cast<RecordColumn>(c), CellForm::Shown)) + '|';
    copied += std::string(CaptionOf(static_cast<RecordColumn>(c), CellForm::Copied)) + '|';
  }
  EXPECT_EQ(shown, "时间|来源|日期|八字|欲|约|善|钱|备注|");
  EXPECT_EQ(copied, "时间|来源|日期|八字|性欲|可约|善良|要钱|备注|");
}

TEST(ReadingRecord, CopyIsTabSeparatedWithCaptionsInTheRecordsOrder) {
  ReadingRecord record;
  record.Add(RowOf(kLunar, "1990", "5", "12", "Ann", {8, 0, 0}));
  record.Add(UnreadableRow({8, 0, 30}, G("Bo"), {}));
  record.Add(RowOf(kSolar, "1950", "1", "7", nullptr, {8, 1, 0}));
  const std::string header = "时间\t来源\t日期\t八字\t性欲\t可约\t善良\t要钱\t备注\r\n";
  const std::string newest = "08:01:00\t手动\t1950-01-07 公历\t己丑 丁丑 壬寅\t1\t4\t3\t0\t女晚婚或离婚\r\n";
  const std::string unreadable = "08:00:30\tBo\t没有识别出来\t\t\t\t\t\t\r\n";
  const std::string oldest = "08:00:00\tAnn\t1990-05-12 农历\t庚午 辛巳 庚子\t5\t5\t3\t0\t\r\n";

  struct CopyCase {
    const char* what;
    std::vector<std::size_t> indices;
    std::string text;
  };
  const CopyCase cases[] = {
      {"all, as selected top to bottom", {0, 1, 2}, header + newest + unreadable + oldest},
      {"selected bottom up: still the record's order", {2, 0}, header + newest + oldest},
      {"one index twice, one past the end", {1, 1, 7}, header + unreadable},
      {"nothing selected: the captions alone", {}, header},
  };
  for (const CopyCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(U(CopiedRows(record, c.indices)), c.text);
  }
}

}  // namespace
}  // namespace tesserin::ui
