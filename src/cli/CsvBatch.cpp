#include "cli/CsvBatch.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

#include "cli/BatchLine.h"
#include "cli/Csv.h"
#include "cli/DateText.h"
#include "reading/ReadingText.h"
#include "reading/TextPieces.h"

namespace tesserin {
namespace {

using namespace std::string_view_literals;

constexpr std::size_t kColumns = std::size(kCsvHeader);

class CsvSheet final : public BatchLineFormat {
 public:
  void Start(BlockWriter& out) {
    row_ = "\xEF\xBB\xBF";  // the byte order mark
    for (std::string_view name : kCsvHeader) AppendCell(name);
    PutRow(out);
  }

  void TooLong(BlockWriter& out) override { PutError("", MessageText(Message::kLineTooLong, Language::kChinese), out); }

  void BadLine(std::string_view line, Message error, int fields, BlockWriter& out) override {
    PutError(line, MessageText(error, Language::kChinese, std::to_string(fields)), out);
  }

  void UnknownMode(const Fields& f, BlockWriter& out) override {
    PutError(DateAsGiven(f), MessageText(Message::kUnknownMode, Language::kChinese), out);
  }

  void Refused(const Fields& f, const Refusal& refusal, BlockWriter& out) override {
    PutError(DateAsGiven(f), RefusalMessage(refusal, Language::kChinese), out);
  }

  // The note goes in a column of its own, without the comma that joins it to the personality
  // text; the personality text goes without it. The row is written at one cursor after one
  // check that the longest such row has room, as the JSON's line is (JsonBatch.cpp): the
  // pieces of TextPieces go in as they are (each is a bare field, csv_sheet_test), the date as
  // given through AppendCsvField unless it is digits and separators. Against the row made cell
  // by cell (ReadingRowPlainly, the reference that a test holds it to), the sheet over every
  // date takes 57.2 M instructions against 795.1 M, and 2.7 times its copy floor against 13
  // (bench/RESULTS.md).
  void Read(const Fields& f, const Reading& r, BlockWriter& out) override {
    static_assert(LineReader::kReadablePast >= LineCursor::kBlock && TextPieces::kReadablePast >= LineCursor::kBlock);
    const bool bareDate = !f.dateText.empty() || (f.number[0] >= 0 && f.number[1] >= 0 && f.number[2] >= 0);
    std::size_t most = readingMost_;
    if (bareDate) {
      most += f.dateText.empty() ? f.text[0].size() + f.text[1].size() + f.text[2].size() + 2 : f.dateText.size();
    } else {
      field_.clear();
      AppendCsvField(field_, DateAsGiven(f));
      most += field_.size();
    }
    LineCursor line = out.StartLine(most);
    if (!bareDate) {
      line.Put(field_);
    } else if (!f.dateText.empty()) {
      line.PutPadded(f.dateText);
    } else {
      line.PutPadded(f.text[0]), line.Put('-'), line.PutPadded(f.text[1]), line.Put('-'), line.PutPadded(f.text[2]);
    }
    const TextPieces& t = pieces_;
    line.Put(','), line.PutPadded(t.HowReadWord(HowReadOf(r))), line.Put(',');
    WriteIsoDate(r.read.solar, line.Take(10));
    line.Put(','), t.PutPillars(r.pillars, [&line](std::string_view piece) { line.PutPadded(piece); });
    for (int rating : {r.libido, r.date, r.kindness, r.money}) line.Put(','), line.Put(Digit(rating));
    line.Put(',');
    if (r.lateMarriageNote) line.PutPadded(t.NoteAlone());
    line.Put(','), line.PutPadded(t.Description(r.DayPillar())), line.Put(",\r\n"sv);
    out.EndLine(line);
  }

 private:
  // The date as given: its one text, or its three fields joined as a date is written.
  const std::string& DateAsGiven(const Fields& f) {
    if (!f.dateText.empty()) return date_.assign(f.dateText);
    return date_.assign(f.text[0]).append("-").append(f.text[1]).append("-").append(f.text[2]);
  }

  // A row of a line that got no reading: the date as given, and in the last column the error.
  void PutError(std::string_view date, std::string_view error, BlockWriter& out) {
    AppendCell(date);
    for (std::size_t k = 2; k < kColumns; ++k) AppendCell("");
    AppendCell(error);
    PutRow(out);
  }

  void AppendCell(std::string_view text) {
    if (cells_++ > 0) row_ += ',';
    AppendCsvField(row_, text);
  }
  void PutRow(BlockWriter& out) {
    row_ += "\r\n";
    out.Put(row_);
    row_.clear();
    cells_ = 0;
  }

  // A rating as the digit of its stars, 0 to 5.
  static char Digit(int rating) { return static_cast<char>('0' + StarCount(rating)); }

  std::string date_, field_, row_;
  std::size_t cells_ = 0;
  const TextPieces& pieces_ = TextPieces::Utf8();
  // The most a reading's row takes but the date as given: its commas, digits, solar date and
  // line end (under 64 bytes) and the 6 pieces of TextPieces that it puts (how it was read, 3
  // of the pillars, the note, the personality text).
  const std::size_t readingMost_ = 64 + 6 * pieces_.Longest();
};

}  // namespace

std::string ReadingRowPlainly(std::string_view dateAsGiven, const Reading& r) {
  const TextPieces& texts = TextPieces::Utf8();
  std::string row;
  auto cell = [&row](std::string_view text) {
    row += ',';
    AppendCsvField(row, text);
  };
  AppendCsvField(row, dateAsGiven);
  cell(texts.HowReadWord(HowReadOf(r)));
  cell(IsoDateText(r.read.solar));
  cell(texts.PillarsText(r.pillars));
  for (int rating : {r.libido, r.date, r.kindness, r.money}) cell(std::to_string(StarCount(rating)));
  cell(r.lateMarriageNote ? texts.NoteAlone() : "");
  cell(texts.Description(r.DayPillar()));
  cell("");
  return row + "\r\n";
}

int ReadCsvSheet(std::istream& in, BlockWriter& writer) {
  CsvSheet sheet;
  sheet.Start(writer);
  return ReadBatch(in, writer, sheet);
}

}  // namespace tesserin
