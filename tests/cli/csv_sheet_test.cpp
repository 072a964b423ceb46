// tesserin-cli --batch --format=csv: the sheet for Excel and WPS, row by row, and the same
// readings as the JSON Lines.
#include <gtest/gtest.h>

#include <algorithm>

#include "CliRun.h"
#include "WorkedReadings.h"
#include "cli/Csv.h"
#include "cli/CsvBatch.h"
#include "reading/AnalysisRun.h"
#include "reading/TextPieces.h"

namespace tesserin {
namespace {

using namespace std::string_literals;

const std::string kHeader =
    "\xEF\xBB\xBF输入的日期,计算历法,公历日期,八字,性欲指数,可约指数,善良指数,要钱指数,附注,性格总论,错误\r\n";

std::string Sheet(const std::string& input) { return RunCliOn({"--batch", "--format=csv"}, input).out; }

// A number of filled stars as text.
std::string Stars(std::string_view stars) {
  int filled = 0;
  for (std::size_t at = 0; (at = stars.find("★", at)) != std::string_view::npos; at += 3) ++filled;
  return std::to_string(filled);
}

// The row of a worked reading, read as `how` (农历, 公历, or 按公历 for a lunar date past its
// month's end) on `solar`.
std::string RowOf(const std::string& date, const char* how, const char* solar, const testing::WorkedReading& r) {
  const std::string note = "，女晚婚或离婚";
  std::string personality = r.personality, noteCell;
  if (personality.ends_with(note)) {
    personality.resize(personality.size() - note.size());
    noteCell = "女晚婚或离婚";
  }
  return date + "," + how + "," + solar + "," + std::string(r.pillarLine).substr(std::string("八字：").size()) + "," +
         Stars(r.libido) + "," + Stars(r.date) + "," + Stars(r.kindness) + "," + Stars(r.money) + "," + noteCell + "," +
         personality + ",\r\n";
}

TEST(CsvSheet, HeaderThenARowPerLine) {
  EXPECT_EQ(kHeader, Sheet(""));
  struct Case {
    const char* what;
    std::string line;
    std::string row;
  };
  const Case kCases[] = {
      {"a reading with the note", "1950\t1\t7\tsolar", RowOf("1950-1-7", "公历", "1950-01-07", testing::kSolar1950_1_7)},
      {"a lunar reading of a date as one text", "1990-05-12\tlunar",
       RowOf("1990-05-12", "农历", "1990-06-04", testing::kLunar1990_5_12)},
      {"a lunar day past its month, read as solar", "1951/5/30\tlunar", "1951/5/30,按公历,1951-05-30,"},
      {"a solar day past its month's end", "1990/2/31\tsolar",
       "1990/2/31,,,,,,,,,,日期不存在：公历 1990-02-31 超出了当月的天数\r\n"},
      {"a lunar day that falls back to no solar day", "1990\t2\t31\tlunar",
       "1990-2-31,,,,,,,,,,日期不存在：1990-02-31 在农历和公历中都超出了当月的天数\r\n"},
      {"a refusal", "2030\t1\t1\tlunar", "2030-1-1,,,,,,,,,,本程序只计算1950～2025年间的数据\r\n"},
      {"a conversion error", "1990\t5\tx\tlunar", "1990-5-x,,,,,,,,,,'x' is not a valid integer value\r\n"},
      {"quotes and commas are quoted", "\"x,y\"\t5\t12\tlunar",
       "\"\"\"x,y\"\"-5-12\",,,,,,,,,,\"'\"\"x,y\"\"' is not a valid integer value\"\r\n"},
      {"a CR inside a field is quoted", "19\r90\t5\t12\tsolar",
       "\"19\r90-5-12\",,,,,,,,,,\"'19\r90' is not a valid integer value\"\r\n"},
      {"bytes that are not UTF-8: the error quotes the field as the date does", "19\xff" "0\t5\t12\tsolar",
       "19\xEF\xBF\xBD" "0-5-12,,,,,,,,,,'19\xEF\xBF\xBD" "0' is not a valid integer value\r\n"},
      {"a character that code page 936 lacks is quoted as given", "1990\t5\t1\U0001F600\tsolar",
       "1990-5-1\U0001F600,,,,,,,,,,'1\U0001F600' is not a valid integer value\r\n"},
      {"an unknown mode", "1990-05-12\tmoon", "1990-05-12,,,,,,,,,,历法只能是 lunar（农历）或 solar（公历）\r\n"},
      {"too few fields", "nonsense", "nonsense,,,,,,,,,,应为用 TAB 分隔的 4 项（年、月、日、历法），实际有 1 项\r\n"},
      {"a first field that is no date", "1990.05.12\tlunar",
       "1990.05.12\tlunar,,,,,,,,,,日期应写成 YYYY-MM-DD 或 YYYY/M/D，或者分成用 TAB 分隔的 4 项（年、月、日、历法）\r\n"},
      {"a line over 1 MiB", std::string(1 << 21, '7'), ",,,,,,,,,,这一行超过 1048576 字节（1 MiB），没有读取\r\n"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const std::string sheet = Sheet(c.line + "\n");
    ASSERT_TRUE(sheet.starts_with(kHeader));
    EXPECT_EQ(c.row, sheet.substr(kHeader.size(), c.row.size()));
    EXPECT_TRUE(sheet.ends_with("\r\n"));
  }
}

TEST(CsvSheet, AFieldQuotedWhereItMustBe) {
  struct Case {
    const char* what;
    std::string text;
    std::string field;
  };
  const Case kCases[] = {
      {"empty", "", ""},
      {"plain", "1990-5-12", "1990-5-12"},
      {"Chinese", "二〇〇〇", "二〇〇〇"},
      {"a comma", "1,9", "\"1,9\""},
      {"quotes", "\"x\"", "\"\"\"x\"\"\""},
      {"CR and LF", "a\rb\nc", "\"a\rb\nc\""},
      {"bytes that are no UTF-8, one U+FFFD each", "1\xE4\xB8" "2\xFF", "1\xEF\xBF\xBD\xEF\xBF\xBD" "2\xEF\xBF\xBD"},
      {"a comma after such bytes", "\xFF,", "\"\xEF\xBF\xBD,\""},
      {"a character beyond the 16-bit plane, then a quote", "\U0001F600\"", "\"\U0001F600\"\"\""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    std::string row = "x,";
    AppendCsvField(row, c.text);
    EXPECT_EQ("x," + c.field, row);
    EXPECT_EQ(c.text == c.field, IsBareCsvField(c.text));
  }
}

// The program's own pieces go into a reading's row unchecked: each must be a field as it stands.
TEST(CsvSheet, TheProgramsPiecesAreBareFields) {
  const TextPieces& t = TextPieces::Utf8();
  std::vector<std::string> pieces(std::begin(kCsvHeader), std::end(kCsvHeader));
  for (HowRead how : {HowRead::Lunar, HowRead::Solar, HowRead::LunarAsSolar}) pieces.emplace_back(t.HowReadWord(how));
  pieces.emplace_back(t.NoteAlone());
  for (int entry = 0; entry < kCycleLength; ++entry) {
    pieces.emplace_back(t.Pillar(entry));
    pieces.emplace_back(t.Description(entry));
    t.PutPillars(Pillars(entry, entry, entry), [&pieces](std::string_view piece) { pieces.emplace_back(piece); });
  }
  for (const std::string& piece : pieces) EXPECT_TRUE(IsBareCsvField(piece)) << piece;
}

// The row written at a cursor against the row made cell by cell, over every day of two years in
// both readings, each date as three fields and as one text.
TEST(CsvSheet, ARowAsThePlainWayMakesIt) {
  std::string input;
  std::vector<std::string> dates;
  std::vector<AnalysisInput> asked;
  for (int year : {1950, 1990})
    for (const char* mode : {"lunar", "solar"})
      for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 31; ++day) {
          const std::string y = std::to_string(year), m = std::to_string(month), d = std::to_string(day);
          const CalendarMode calendar = mode[0] == 'l' ? CalendarMode::Lunar : CalendarMode::Solar;
          input += y + "\t" + m + "\t" + d + "\t" + mode + "\n" + y + "/" + m + "/" + d + "\t" + mode + "\n";
          dates.push_back(y + "-" + m + "-" + d), dates.push_back(y + "/" + m + "/" + d);
          asked.push_back(InputOfTexts(y, m, d, calendar)), asked.push_back(InputOfTexts(y, m, d, calendar));
        }
  const std::vector<std::string> rows = LinesOf(Sheet(input));
  ASSERT_EQ(dates.size() + 1, rows.size());
  int readings = 0;
  for (std::size_t i = 0; i < dates.size(); ++i) {
    const AnalysisOutcome outcome = AnalysisRun(asked[i]);
    if (!std::holds_alternative<Reading>(outcome)) continue;
    ++readings;
    EXPECT_EQ(ReadingRowPlainly(dates[i], std::get<Reading>(outcome)), rows[i + 1] + "\n") << dates[i];
  }
  EXPECT_GT(readings, 2000);
}

// RFC 4180 read back: the rows of a sheet and their fields.
std::vector<std::vector<std::string>> ReadCsv(std::string_view text) {
  std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c == '"') {
      for (++at; !(text[at] == '"' && (at + 1 == text.size() || text[at + 1] != '"')); ++at) {
        if (text[at] == '"') ++at;
        rows.back().back() += text[at];
      }
    } else if (c == ',') {
      rows.back().emplace_back();
    } else if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
      ++at;
      if (at + 1 < text.size()) rows.emplace_back(1);
    } else {
      rows.back().back() += c;
    }
  }
  return rows;
}

// JSON's value of a string or number member, unescaped only as far as these texts need.
std::string Member(const std::string& json, const std::string& key) {
  const std::size_t at = json.find("\"" + key + "\":");
  if (at == std::string::npos) return "";
  const std::size_t start = at + key.size() + 3;
  if (json[start] == '"') return json.substr(start + 1, json.find('"', start + 1) - start - 1);
  return json.substr(start, json.find_first_of(",}", start) - start);
}

// Over every day of two years in both readings, each row says what the JSON object says.
TEST(CsvSheet, TheSameReadingsAsTheJsonLines) {
  std::string input;
  for (int year : {1950, 2025})
    for (const char* mode : {"lunar", "solar"})
      for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 31; ++day)
          input += std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day) + "\t" + mode + "\n";
  input += "2030-01-01\tlunar\n";
  const std::vector<std::string> inputLines = LinesOf(input);
  const std::vector<std::string> json = LinesOf(RunCliOn({"--batch"}, input).out);
  const std::vector<std::vector<std::string>> rows = ReadCsv(Sheet(input));
  ASSERT_EQ(json.size() + 1, rows.size());
  for (std::size_t i = 0; i < json.size(); ++i) {
    const std::string& object = json[i];
    const std::vector<std::string>& row = rows[i + 1];
    SCOPED_TRACE(object);
    ASSERT_EQ(11u, row.size());
    EXPECT_EQ(inputLines[i].substr(0, inputLines[i].find('\t')), row[0]);
    if (object.find("\"line\"") == std::string::npos) {
      if (Member(object, "error").empty()) {
        EXPECT_EQ(Member(object, "message"), row[10]);
      } else {  // a day that does not exist: the sheet says so in Chinese
        EXPECT_TRUE(Member(object, "error").starts_with("no such date: "));
        EXPECT_TRUE(row[10].starts_with("日期不存在：")) << row[10];
      }
      continue;
    }
    // 按公历: asked for as lunar (the JSON's mode), read as solar.
    const bool lunarAsked = Member(object, "mode") == "lunar";
    EXPECT_EQ(Member(object, "read_as") == "lunar" ? "农历" : lunarAsked ? "按公历" : "公历", row[1]);
    EXPECT_EQ(Member(object, "solar_date"), row[2]);
    EXPECT_EQ(Member(object, "line"), "八字：" + row[3]);
    const std::string stars = object.substr(object.find("\"stars\""));
    EXPECT_EQ(Stars(Member(stars, "libido")), row[4]);
    EXPECT_EQ(Stars(Member(stars, "date")), row[5]);
    EXPECT_EQ(Stars(Member(stars, "kindness")), row[6]);
    EXPECT_EQ(Stars(Member(stars, "money")), row[7]);
    EXPECT_EQ(Member(object, "personality"), row[9] + (row[8].empty() ? "" : "，" + row[8]));
    EXPECT_EQ("", row[10]);
  }
}

}  // namespace
}  // namespace tesserin
