// One line of a batch as the reading it asks for: its fields split at TABs, a date and a mode
// taken as the four fields they stand for, the mode checked and the reading run. What became of
// the line is told to a format, which writes it: JSON Lines (Batch.cpp) or the CSV sheet
// (CsvBatch.cpp). A format has these members, each writing to a BlockWriter:
//   TooLong(out)                          a line longer than LineReader::kMaxLine
//   BadLine(line, message, fields, out)   no reading asked: kFieldCount or kNotADate
//   Echo(fields, dateText, out)           the four fields, and the date as one text if it came so
//   UnknownMode(out)                      after Echo: a mode other than lunar and solar
//   Refused(refusal, out), Read(reading, out)   after Echo: what the reading gave
#pragma once

#include <istream>
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
// the input no conversion.
struct Fields {
  std::string_view text[kFields];
  int count = 0;
  bool plain = true;
};

// One pass over the bytes of a line.
inline Fields SplitTabs(std::string_view line) {
  Fields f;
  std::size_t start = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (c == '\t') {
      if (f.count < kFields) f.text[f.count] = line.substr(start, i - start);
      ++f.count;
      start = i + 1;
    } else if (!IsPlainJsonByte(c)) {
      f.plain = false;
    }
  }
  if (f.count < kFields) f.text[f.count] = line.substr(start);
  ++f.count;
  return f;
}

// UTF-8 to code page 936 and back; ASCII, the same bytes in both, passes as it is.
void ToGbk(std::string_view utf8, GbkString& gbk);
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
    std::string_view dateText;
    if (f.count != kFields) {
      dateText = f.text[0];
      if (f.count != kDateFields) return format_.BadLine(line, Message::kFieldCount, f.count, out);
      if (!AsFourFields(f)) return format_.BadLine(line, Message::kNotADate, f.count, out);
    }
    format_.Echo(f, dateText, out);
    if (f.text[3] != "lunar" && f.text[3] != "solar") return format_.UnknownMode(out);
    input_.mode = f.text[3] == "lunar" ? CalendarMode::Lunar : CalendarMode::Solar;
    DateField* fields[3] = {&input_.year, &input_.month, &input_.day};
    for (int i = 0; i < 3; ++i) {
      if (f.plain) {
        *fields[i] = DateField::OfText(f.text[i]);  // plain JSON text is ASCII
      } else {
        ToGbk(f.text[i], text_);
        *fields[i] = DateField::OfText(text_);
      }
    }
    const AnalysisOutcome outcome = AnalysisRun(input_);
    if (const Refusal* refusal = std::get_if<Refusal>(&outcome)) return format_.Refused(*refusal, out);
    format_.Read(std::get<Reading>(outcome), out);
  }

 private:
  // A date and a mode as the four fields they stand for; false for a first field that is no date.
  static bool AsFourFields(Fields& f) {
    const auto date = SplitDateText(f.text[0]);
    if (!date) return false;
    f = {{(*date)[0], (*date)[1], (*date)[2], f.text[1]}, kFields, f.plain};
    return true;
  }

  Format& format_;
  AnalysisInput input_;
  GbkString text_;  // a field's text in code page 936, when it was not ASCII
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
