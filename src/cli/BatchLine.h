// One line of a batch as the reading it asks for: its fields split at TABs (or, in a line
// without one, at commas or runs of blanks), a date and a mode taken as the four fields they
// stand for, the mode read and the reading run. What became of the line is told to a format
// (BatchLineFormat), which writes it: JSON Lines (JsonBatch.cpp) or the CSV sheet (CsvBatch.cpp).
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "cli/BatchStreams.h"
#include "cli/Json.h"
#include "cli/Messages.h"
#include "reading/AnalysisRun.h"

namespace tesserin {

constexpr int kFields = 4;      // year, month, day, mode
constexpr int kDateFields = 2;  // a date as one text, mode

// The fields of a line and how many there are (past kFields only the count goes on), and
// whether every field is plain JSON text, as it mostly is: then the echo needs no escaping and
// the input no conversion. A field of one to nine digits and nothing else, as a date's mostly
// are, has its number read in the same pass; any other text has -1, and is read by the rule of
// whole numbers (DateField::OfText).
struct Fields {
  std::string_view text[kFields];
  int number[kFields] = {-1, -1, -1, -1};
  int count = 0;
  bool plain = true;
  std::string_view dateText;  // the date as one text, where the line gave it so
};

// One pass over the bytes of a line, a field at a time: its leading digits, then the rest of it.
// Against the fields found first and their numbers read by the rule of whole numbers, the batch
// over every date took 6 % fewer instructions and 13 % less processor time (98.6 M against
// 104.5 M, commit 6b293e8; bench/RESULTS.md). SplitTabsPlainly is the plain way, kept as its
// reference: a test holds the two equal.
inline Fields SplitTabs(std::string_view line) {
  Fields f;
  const char* at = line.data();
  const char* const end = at + line.size();
  for (;;) {
    const char* const start = at;
    unsigned value = 0;  // wraps past nine digits, which are not read so
    for (unsigned digit; at != end && (digit = static_cast<unsigned char>(*at) - unsigned{'0'}) <= 9; ++at)
      value = value * 10 + digit;
    const std::size_t digits = static_cast<std::size_t>(at - start);
    for (; at != end && *at != '\t'; ++at)
      if (!IsPlainJsonByte(static_cast<unsigned char>(*at))) f.plain = false;
    if (f.count < kFields) {
      f.text[f.count] = std::string_view(start, static_cast<std::size_t>(at - start));
      if (digits == f.text[f.count].size() && digits >= 1 && digits <= 9) f.number[f.count] = static_cast<int>(value);
    }
    ++f.count;
    if (at == end) return f;
    ++at;  // the TAB
  }
}

// SplitTabs the plain way: each field found, then its bytes looked at for the plain flag and
// its number.
Fields SplitTabsPlainly(std::string_view line);

// A line without a TAB split at its commas, as a spreadsheet saves CSV (a field between quotes,
// its quotes doubled; blanks around a field not counted), or else at runs of blanks (spaces
// and ideographic spaces): its fields joined by TABs into `joined`, with
// LineReader::kReadablePast bytes behind them, and split as such. A line that gives fewer than
// two fields so keeps its one field.
Fields SplitCommasOrBlanks(std::string_view line, std::string& joined);

// The mode a word names: lunar or solar in any case, 农历 or 阴历, 公历 or 阳历, blanks around it
// not counted; none for any other text.
std::optional<CalendarMode> ModeOfWord(std::string_view word);

// What a format writes for a line of input: each line gets exactly one of these calls, and each
// call writes one line of output to `out`.
class BatchLineFormat {
 public:
  virtual ~BatchLineFormat() = default;

  // A line longer than LineReader::kMaxLine.
  virtual void TooLong(BlockWriter& out) = 0;
  // A line that asks for no reading: `error` is kFieldCount or kNotADate, `fields` how many
  // fields the line has.
  virtual void BadLine(std::string_view line, Message error, int fields, BlockWriter& out) = 0;
  // Four fields whose mode is no mode word (ModeOfWord).
  virtual void UnknownMode(const Fields& f, BlockWriter& out) = 0;
  // What the reading of the four fields gave: a refusal, or a reading.
  virtual void Refused(const Fields& f, const Refusal& refusal, BlockWriter& out) = 0;
  virtual void Read(const Fields& f, const Reading& reading, BlockWriter& out) = 0;
};

// Reads `in` to its end, a line at a time, and writes what `format` makes of each. What is
// answered goes out before the reader waits for more input: a program that writes a line into
// the pipe gets its answer before it writes the next. Returns kExitOk; a stream that fails
// throws StreamFailure, a failed read once every complete line read before it has its answer.
int ReadBatch(std::istream& in, BlockWriter& writer, BatchLineFormat& format);

}  // namespace tesserin
