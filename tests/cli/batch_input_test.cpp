// The batch's input as editors and spreadsheets write it, and lines of any length.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <streambuf>

#include "CliRun.h"
#include "base/WholeNumber.h"
#include "cli/BatchLine.h"

namespace tesserin {
namespace {

using namespace std::string_literals;

// UTF-8 to UTF-16 code units, as a spreadsheet saves "Unicode text".
std::u16string Utf16(const std::string& utf8) {
  std::u16string units;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const int length = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? b : length == 2 ? b & 0x1F : length == 3 ? b & 0x0F : b & 0x07;
    for (int k = 1; k < length; ++k) code = code << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += length;
    if (code < 0x10000) {
      units += static_cast<char16_t>(code);
    } else {
      units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      units += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
  }
  return units;
}

std::string Bytes(const std::u16string& units, bool bigEndian) {
  std::string bytes;
  for (char16_t unit : units) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

// An input that gives at most `piece` bytes a read, as a pipe may.
class PieceByPiece : public std::streambuf {
 public:
  PieceByPiece(std::string bytes, std::size_t piece) : bytes_(std::move(bytes)), piece_(piece) {}

 protected:
  std::streamsize xsgetn(char* s, std::streamsize n) override {
    const std::size_t size = std::min({static_cast<std::size_t>(n), piece_, bytes_.size() - at_});
    std::memcpy(s, bytes_.data() + at_, size);
    at_ += size;
    return static_cast<std::streamsize>(size);
  }

 private:
  std::string bytes_;
  std::size_t piece_, at_ = 0;
};

CliResult BatchInPieces(const std::string& bytes, std::size_t piece) {
  PieceByPiece source(bytes, piece);
  std::istream in(&source);
  std::ostringstream out, err;
  int status = RunCli({"--batch"}, in, out, err);
  return {status, out.str(), err.str()};
}

// A field of one to nine digits has its number read as the line is split; any other field has
// none there and is read by the rule of whole numbers, which takes blanks, signs and more digits.
TEST(CliBatch, DigitsReadAsTheLineIsSplitAreTheFieldsNumbers) {
  struct Case {
    const char* what;
    std::string field;
    int number;  // -1: left to the rule
  };
  const Case kCases[] = {
      {"one digit", "7", 7},
      {"a year", "1990", 1990},
      {"nine digits", "000001990", 1990},
      {"nine nines", "999999999", 999999999},
      {"zero", "0", 0},
      {"ten digits", "0000001990", -1},
      {"past the 32-bit range", "2147483648", -1},
      {"empty", "", -1},
      {"a sign", "+5", -1},
      {"a blank before", " 12", -1},
      {"a blank after", "12 ", -1},
      {"a letter after", "12a", -1},
      {"a full-width digit after", "1\xEF\xBC\x91", -1},
      {"a NUL byte after", "12\0"s, -1},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    for (int i = 0; i < 3; ++i) {
      std::string fields[4] = {"1990", "5", "12", "lunar"};
      fields[i] = c.field;
      const std::string line = fields[0] + "\t" + fields[1] + "\t" + fields[2] + "\t" + fields[3];
      const Fields f = SplitTabs(line);
      ASSERT_EQ(4, f.count);
      EXPECT_EQ(c.field, f.text[i]);
      EXPECT_EQ(c.number, f.number[i]) << "field " << i;
      if (c.number >= 0) {
        EXPECT_EQ(ReadWholeNumber(c.field), c.number);
      }
    }
  }
}

// The one-pass split against its plain reference, over lines of every kind of field.
TEST(CliBatch, SplitTabsAsThePlainWaySplits) {
  const std::string kFieldsToTry[] = {"", "7", "1990", "000001990", "999999999", "0000001990", "2147483648", "+5", " 12",
                                      "12 ", "12a", "1\xEF\xBC\x91", "12\0"s, "\"x\"", "a\\b", "lunar", "农历", "\x01"};
  std::vector<std::string> lines = {"", "\t", "\t\t\t\t\t", "1990\t5\t12\tlunar\textra\tmore"};
  for (const std::string& a : kFieldsToTry)
    for (const std::string& b : kFieldsToTry) {
      lines.push_back(a + "\t" + b + "\t12\tlunar");
      lines.push_back(a + b);
      lines.push_back(b + "\t" + a);
    }
  for (const std::string& line : lines) {
    SCOPED_TRACE(line);
    const Fields tuned = SplitTabs(line), plain = SplitTabsPlainly(line);
    EXPECT_EQ(plain.count, tuned.count);
    EXPECT_EQ(plain.plain, tuned.plain);
    for (int i = 0; i < kFields; ++i) {
      EXPECT_EQ(plain.text[i].data(), tuned.text[i].data()) << i;
      EXPECT_EQ(plain.text[i].size(), tuned.text[i].size()) << i;
      EXPECT_EQ(plain.number[i], tuned.number[i]) << i;
    }
  }
}

// The same lines saved by different editors read the same; a byte order mark further on is
// text like any other.
TEST(CliBatch, ReadsInputAsEditorsSaveIt) {
  const std::string lines =
      "1990\t5\t12\tlunar\r\n"
      "1990-05-12\tsolar\r\n"
      "二〇〇〇\t1\t1\tlunar\r\n"              // Chinese, in the echo and the message
      "1990\t5\t12\t\U0001D54D\r\n"          // beyond the 16-bit plane: a surrogate pair
      "\xEF\xBB\xBF" "1990\t5\t12\tlunar\n"  // a mark inside the text is kept as it is
      "1990\t5\t12\tsolar";
  const std::string expected = RunCliOn({"--batch"}, lines).out;
  ASSERT_EQ(6u, LinesOf(expected).size());
  ASSERT_NE(std::string::npos, expected.find(R"("year":"二〇〇〇")"));
  ASSERT_NE(std::string::npos, expected.find("\"mode\":\"\U0001D54D\""));
  ASSERT_NE(std::string::npos, expected.find("{\"year\":\"\xEF\xBB\xBF" "1990\""));

  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case kCases[] = {
      {"UTF-8 behind its byte order mark", "\xEF\xBB\xBF" + lines},
      {"UTF-16, little-endian", "\xFF\xFE" + Bytes(Utf16(lines), false)},
      {"UTF-16, big-endian", "\xFE\xFF" + Bytes(Utf16(lines), true)},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(expected, RunCliOn({"--batch"}, c.bytes).out);
    for (std::size_t piece : {1, 2, 3, 7}) {  // marks, code units and surrogate pairs cut by the reads
      SCOPED_TRACE(piece);
      EXPECT_EQ(expected, BatchInPieces(c.bytes, piece).out);
    }
  }
}

TEST(CliBatch, Utf16ThatIsNotTextBecomesReplacementCharacters) {
  struct Case {
    const char* what;
    std::string bytes;  // behind a little-endian mark
    const char* line;   // as echoed
  };
  const Case kCases[] = {
      {"a high surrogate without its low one", "1\0\x3D\xD8" "9\0"s, "1\xEF\xBF\xBD" "9"},
      {"a low surrogate alone", "1\0\x00\xDC"s, "1\xEF\xBF\xBD"},
      {"a high surrogate at the end", "1\0\x3D\xD8"s, "1\xEF\xBF\xBD"},
      {"an odd byte at the end", "1\0" "5"s, "1\xEF\xBF\xBD"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ("{\"input\":\""s + c.line + R"j(","error":"expected 4 TAB-separated fields (year, month, day, mode), found 1"})j" "\n",
              RunCliOn({"--batch"}, "\xFF\xFE" + c.bytes).out);
  }
}

// The answer to a line from its reading on: what follows the echo of its fields.
std::string AfterEcho(const std::string& answer) {
  const std::size_t at = answer.find(",\"line\":");
  return at == std::string::npos ? "(no reading: " + answer + ")j" : answer.substr(at);
}

// Lines as people write them, by hand or from a spreadsheet, read as the TAB-separated line of
// their fields; the echo gives the fields as they stood, without quotes and blanks around them.
TEST(CliBatch, ReadsCommasBlanksAndModeWordsAsTabs) {
  struct Case {
    const char* what;
    std::string line;
    const char* tabs;  // the same reading with TABs
    const char* echo;  // the echo of the fields
  };
  const Case kCases[] = {
      {"commas", "1990,5,12,lunar", "1990\t5\t12\tlunar", R"j({"year":"1990","month":"5","day":"12","mode":"lunar")j"},
      {"commas and CR", "1990,5,12,solar\r", "1990\t5\t12\tsolar", R"j({"year":"1990","month":"5","day":"12","mode":"solar")j"},
      {"quoted fields", R"j("1990","5","12","lunar")j", "1990\t5\t12\tlunar",
       R"j({"year":"1990","month":"5","day":"12","mode":"lunar")j"},
      {"blanks after commas", "1990, 5, 12, lunar", "1990\t5\t12\tlunar",
       R"j({"year":"1990","month":"5","day":"12","mode":"lunar")j"},
      {"a quoted date and a mode", R"j("1990-05-12",solar)j", "1990-05-12\tsolar",
       R"j({"year":"1990","month":"05","day":"12","mode":"solar")j"},
      {"a date and a mode by a comma", "1990/5/12,lunar", "1990/5/12\tlunar",
       R"j({"year":"1990","month":"5","day":"12","mode":"lunar")j"},
      {"one blank", "1990 5 12 lunar", "1990\t5\t12\tlunar", R"j({"year":"1990","month":"5","day":"12","mode":"lunar")j"},
      {"runs of blanks, before and after too", "  1990   5  12     solar  ", "1990\t5\t12\tsolar",
       R"j({"year":"1990","month":"5","day":"12","mode":"solar")j"},
      {"ideographic spaces", "1990\u30005\u300012\u3000农历", "1990\t5\t12\tlunar",
       R"j({"year":"1990","month":"5","day":"12","mode":"农历")j"},
      {"a date and a mode by a blank", "1990-05-12 solar", "1990-05-12\tsolar",
       R"j({"year":"1990","month":"05","day":"12","mode":"solar")j"},
      {"capital", "1990\t5\t12\tLunar", "1990\t5\t12\tlunar", R"j({"year":"1990","month":"5","day":"12","mode":"Lunar")j"},
      {"capitals", "1990\t5\t12\tSOLAR", "1990\t5\t12\tsolar", R"j({"year":"1990","month":"5","day":"12","mode":"SOLAR")j"},
      {"blanks around the mode", "1990\t5\t12\t lunar  ", "1990\t5\t12\tlunar",
       R"j({"year":"1990","month":"5","day":"12","mode":" lunar  ")j"},
      {"农历", "1990\t5\t12\t农历", "1990\t5\t12\tlunar", R"j({"year":"1990","month":"5","day":"12","mode":"农历")j"},
      {"阴历", "1990,5,12,阴历", "1990\t5\t12\tlunar", R"j({"year":"1990","month":"5","day":"12","mode":"阴历")j"},
      {"公历", "1990 5 12 公历", "1990\t5\t12\tsolar", R"j({"year":"1990","month":"5","day":"12","mode":"公历")j"},
      {"阳历", "1990-05-12\t阳历", "1990-05-12\tsolar", R"j({"year":"1990","month":"05","day":"12","mode":"阳历")j"},
  };
  std::string lines;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const std::string answer = RunCliOn({"--batch"}, c.line + "\n").out;
    EXPECT_EQ(AfterEcho(RunCliOn({"--batch"}, std::string(c.tabs) + "\n").out), AfterEcho(answer));
    EXPECT_TRUE(answer.starts_with(c.echo)) << answer;
    lines += c.line + "\n";
  }
  EXPECT_EQ(std::size(kCases), LinesOf(RunCliOn({"--batch"}, lines).out).size()) << "one answer per line";

  // A spreadsheet's CSV: a byte order mark, a header row (an error of its own), CR LF.
  const std::string sheet = "\xEF\xBB\xBF" "年,月,日,历法\r\n1990,5,12,农历\r\n";
  const std::vector<std::string> answers = LinesOf(RunCliOn({"--batch"}, sheet).out);
  ASSERT_EQ(2u, answers.size());
  EXPECT_EQ(R"j({"year":"年","month":"月","day":"日","mode":"历法","error":"unknown mode (expected lunar or solar)"})j", answers[0]);
  EXPECT_EQ(AfterEcho(RunCliOn({"--batch"}, "1990\t5\t12\tlunar\n").out), AfterEcho(answers[1] + "\n"));
}

// Lines that still ask for no reading get their error, one answer a line.
TEST(CliBatch, LinesOfOtherFormsGetTheirError) {
  struct Case {
    const char* what;
    std::string line;
    const char* answer;
  };
  const Case kCases[] = {
      {"three fields by commas", "1990,5,12", R"j({"input":"1990,5,12","error":"expected 4 TAB-separated fields (year, month, day, mode), found 3"})j"},
      {"five fields by commas", "1990,5,12,lunar,x", R"j({"input":"1990,5,12,lunar,x","error":"expected 4 TAB-separated fields (year, month, day, mode), found 5"})j"},
      {"a comma inside quotes", R"j("1990,5",12,lunar)j", R"j({"input":"\"1990,5\",12,lunar","error":"expected 4 TAB-separated fields (year, month, day, mode), found 3"})j"},
      {"a quote left open", R"j("1990,5,12,lunar)j", R"j({"input":"\"1990,5,12,lunar","error":"expected 4 TAB-separated fields (year, month, day, mode), found 1"})j"},
      {"semicolons", "1990;5;12;lunar", R"j({"input":"1990;5;12;lunar","error":"expected 4 TAB-separated fields (year, month, day, mode), found 1"})j"},
      {"blanks only", "   ", R"j({"input":"   ","error":"expected 4 TAB-separated fields (year, month, day, mode), found 1"})j"},
      {"a TAB line keeps its commas and blanks", "1990\t5\t12\tlunar solar", R"j({"year":"1990","month":"5","day":"12","mode":"lunar solar","error":"unknown mode (expected lunar or solar)"})j"},
      {"another word", "1990 5 12 月亮", R"j({"year":"1990","month":"5","day":"12","mode":"月亮","error":"unknown mode (expected lunar or solar)"})j"},
      {"a word within a word", "1990,5,12,lunarx", R"j({"year":"1990","month":"5","day":"12","mode":"lunarx","error":"unknown mode (expected lunar or solar)"})j"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(std::string(c.answer) + "\n", RunCliOn({"--batch"}, c.line + "\n").out);
  }
}

// An input of endless bytes, made as it is read.
class Endless : public std::streambuf {
 public:
  Endless(std::string head, char fill, std::size_t size, std::string tail)
      : head_(std::move(head)), tail_(std::move(tail)), fill_(fill), size_(size) {}

 protected:
  std::streamsize xsgetn(char* s, std::streamsize n) override {
    std::streamsize given = 0;
    for (; given < n && at_ < head_.size() + size_ + tail_.size(); ++given, ++at_)
      s[given] = at_ < head_.size() ? head_[at_] : at_ < head_.size() + size_ ? fill_ : tail_[at_ - head_.size() - size_];
    return given;
  }

 private:
  std::string head_, tail_;
  char fill_;
  std::size_t size_, at_ = 0;
};

// A line longer than 1 MiB gets its error and is not kept; one of exactly 1 MiB is read as
// usual, and so is the line after either.
TEST(CliBatch, LinesLongerThanTheLimitGetTheirErrorAndTheRunGoesOn) {
  constexpr std::size_t kLimit = 1 << 20;
  const std::string good = "1990\t5\t12\tsolar\n";
  const std::string goodAnswer = RunCliOn({"--batch"}, good).out;
  const std::string tooLong = R"j({"error":"line longer than 1048576 bytes (1 MiB)"})j" "\n";
  const std::string fieldsAfter = "\t5\t12\tsolar";

  const std::string longest = std::string(kLimit - fieldsAfter.size(), '7') + fieldsAfter;
  ASSERT_EQ(kLimit, longest.size());
  CliResult r = RunCliOn({"--batch"}, good + longest + "\n" + good);
  std::vector<std::string> lines = LinesOf(r.out);
  ASSERT_EQ(3u, lines.size());
  EXPECT_NE(std::string::npos, lines[1].find("is not a valid integer value"));
  EXPECT_EQ(goodAnswer, lines[2] + "\n");

  struct Case {
    const char* what;
    std::string input;
    std::string out;
  };
  const Case kCases[] = {
      {"one byte over", good + "7" + longest + "\n" + good, goodAnswer + tooLong + goodAnswer},
      {"the limit and its CR", good + longest + "\r\n" + good, ""},
      {"the limit and its CR, at the end", good + longest + "\r", ""},
      {"one byte over and a CR", good + "7" + longest + "\r\n" + good, goodAnswer + tooLong + goodAnswer},
      {"the limit and two CRs", good + longest + "\r\r\n" + good, goodAnswer + tooLong + goodAnswer},
      {"over, with no line end", good + "7" + longest, goodAnswer + tooLong},
      {"two in a row", longest + "7\n7" + longest + "\n", tooLong + tooLong},
      {"an echo that escaping makes six times longer", std::string(kLimit / 2, '\x01') + fieldsAfter + "\n" + good, ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    CliResult run = RunCliOn({"--batch"}, c.input);
    EXPECT_EQ(kExitOk, run.status);
    if (!c.out.empty()) {
      EXPECT_EQ(c.out, run.out);
    } else {
      const auto linesIn = static_cast<std::size_t>(std::count(c.input.begin(), c.input.end(), '\n')) + !c.input.ends_with('\n');
      EXPECT_EQ(linesIn, LinesOf(run.out).size());
      EXPECT_EQ(std::string::npos, run.out.find("longer than")) << "read, not refused as too long";
    }
  }

  // 64 MiB of one line, made as it is read: the error, and the next line's answer.
  Endless source("1990\t5\t", '1', std::size_t{64} << 20, "\tsolar\n" + good);
  std::istream in(&source);
  std::ostringstream out, err;
  EXPECT_EQ(kExitOk, RunCli({"--batch"}, in, out, err));
  EXPECT_EQ(tooLong + goodAnswer, out.str());
}

}  // namespace
}  // namespace tesserin
