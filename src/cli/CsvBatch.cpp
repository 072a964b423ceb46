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

constexpr std::size_t kColumns = std::size(kCsvHeader);

class CsvSheet {
 public:
  void Start(BlockWriter& out) {
    row_ = "\xEF\xBB\xBF";  // the byte order mark
    for (std::string_view name : kCsvHeader) AppendCell(name);
    PutRow(out);
  }

  void TooLong(BlockWriter& out) { PutError("", MessageText(Message::kLineTooLong, Language::kChinese), out); }

  void BadLine(std::string_view line, Message error, int fields, BlockWriter& out) {
    PutError(line, MessageText(error, Language::kChinese, std::to_string(fields)), out);
  }

  void UnknownMode(const Fields& f, BlockWriter& out) {
    PutError(DateAsGiven(f), MessageText(Message::kUnknownMode, Language::kChinese), out);
  }

  void Refused(const Fields& f, const Refusal& refusal, BlockWriter& out) {
    PutError(DateAsGiven(f), RefusalMessage(refusal, Language::kChinese), out);
  }

  // The note goes in a column of its own, without the comma that joins it to the personality
  // text; the personality text goes without it.
  void Read(const Fields& f, const Reading& r, BlockWriter& out) {
    const TextPieces& texts = TextPieces::Utf8();
    AppendCell(DateAsGiven(f));
    AppendCell(texts.HowReadWord(HowReadOf(r)));
    AppendCell(IsoDateText(r.read.solar));
    AppendCell(texts.PillarsText(r.pillars));
    for (int rating : {r.libido, r.date, r.kindness, r.money}) AppendCell(std::to_string(StarCount(rating)));
    AppendCell(r.lateMarriageNote ? texts.NoteAlone() : "");
    AppendCell(texts.Description(r.DayPillar()));
    AppendCell("");
    PutRow(out);
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

  std::string date_, row_;
  std::size_t cells_ = 0;
};

}  // namespace

int ReadCsvSheet(std::istream& in, BlockWriter& writer) {
  CsvSheet sheet;
  sheet.Start(writer);
  return ReadBatch(in, writer, sheet);
}

}  // namespace tesserin
