// One line of a batch as the reading it asks for: its fields split at TABs (or, in a line
// without one, at commas or runs of blanks), a date and a mode taken as the four fields they
// stand for, the mode read and the reading run. What became of
// the line is told to a format, which writes it: JSON Lines (Batch.cpp) or the CSV sheet
// (CsvBatch.cpp). A format has these members, each writing a line to a BlockWriter:
//   TooLong(out)                          a line longer than LineReader::kMaxLine
//   BadLine(line, message, fields, out)   no reading asked: kFieldCount or kNotADate
//   UnknownMode(fields, out)              four fields (Fields) with a mode other than lunar and solar
//   Refused(fields, refusal, out), Read(fields, reading, out)   what the reading gave
#pragma once

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

#include "base/Gbk.h"
#include "cli/BatchStreams.h"
#include "cli/ExitStatus.h"
#include "cli/DateText.h"
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

// A line without a TAB split at its commas, as a spreadsheet saves CSV (a field between quotes,
// its quotes doubled; blanks around a field not counted), or else at runs of blanks (spaces
// and ideographic spaces): its fields joined by TABs into `joined`, with
// LineReader::kReadablePast bytes behind them, and split as such. A line that gives fewer than
// two fields so keeps its one field.
Fields SplitCommasOrBlanks(std::string_view line, std::string& joined);

// The mode a word names: lunar or solar in any case, 农历 or 阴历, 公历 or 阳历, blanks around it
// not counted; none for any other text.
std::optional<CalendarMode> ModeOfWord(std::string_view word);

// UTF-8 to code page 936 and back; ASCII, the same bytes in both, passes as it is.
GbkString ToGbk(std::string_view utf8);
std::string ToUtf8(const GbkString& gbk);

template <class Format>
class BatchReader {
 public:
  explicit BatchReader(Format& format) : format_(format) {}

  // Everything but a completed reading is kept out of this function (cold or out of line in
  // the formats), so that the compiler gives its inlining to the common path (batch_bench).
  void Line(const InputLine& input, BlockWriter& out) {
    if (input.tooLong) return format_.TooLong(out);
    std::string_view line = input.text;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // files written on Windows
    Fields f = SplitTabs(line);
    if (f.count != kFields) {
      if (f.count == 1) f = SplitCommasOrBlanks(line, joined_);
      if (f.count != kFields) {
        if (f.count != kDateFields) return format_.BadLine(line, Message::kFieldCount, f.count, out);
        if (!AsFourFields(f)) return format_.BadLine(line, Message::kNotADate, f.count, out);
      }
    }
    CalendarMode mode = CalendarMode::Lunar;
    if (f.text[3] == "solar") {
      mode = CalendarMode::Solar;
    } else if (f.text[3] != "lunar") {
      const std::optional<CalendarMode> word = ModeOfWord(f.text[3]);
      if (!word) return format_.UnknownMode(f, out);
      mode = *word;
    }
    const AnalysisOutcome outcome = AnalysisRun({FieldOf(f, 0), FieldOf(f, 1), FieldOf(f, 2), mode});
    if (const Refusal* refusal = std::get_if<Refusal>(&outcome)) return format_.Refused(f, *refusal, out);
    format_.Read(f, std::get<Reading>(outcome), out);
  }

 private:
  // A date and a mode as the four fields they stand for; false for a first field that is no date.
  static bool AsFourFields(Fields& f) {
    const auto date = SplitDateText(f.text[0]);
    if (!date) return false;
    f = {{(*date)[0], (*date)[1], (*date)[2], f.text[1]}, {-1, -1, -1, -1}, kFields, f.plain, f.text[0]};
    return true;
  }

  // Date field i: its number as the split read it, or its text read by the rule (in code page
  // 936: plain JSON text is ASCII, the same bytes in both).
  static DateField FieldOf(const Fields& f, int i) {
    if (f.number[i] >= 0) return DateField::Number(f.number[i]);
    if (f.plain) return DateField::OfText(f.text[i]);
    return DateField::OfText(ToGbk(f.text[i]));
  }

  Format& format_;
  std::string joined_;  // a line split at commas or blanks, its fields joined by TABs
};

// Reads `in` to its end, a line at a time, and writes what `format` makes of each. What is
// answered goes out before the reader waits for more input: a program that writes a line into
// the pipe gets its answer before it writes the next.
template <class Format>
int ReadBatch(std::istream& in, BlockWriter& writer, Format& format) {
  BatchReader<Format> reader(format);
  LineReader lines(in, [&writer] { writer.Flush(); });
  for (InputLine line; lines.Next(line);) reader.Line(line, writer);
  writer.Flush();
  if (lines.Failure()) throw *lines.Failure();  // reported after every complete answer
  return kExitOk;
}

}  // namespace tesserin
