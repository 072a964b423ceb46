#include "cli/JsonBatch.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "base/Gbk.h"
#include "cli/BatchLine.h"
#include "cli/BatchStreams.h"
#include "cli/Json.h"
#include "cli/Messages.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"
#include "reading/TextPieces.h"

namespace tesserin {
namespace {

using namespace std::string_view_literals;

// The batch as JSON Lines: one object per line, its keys and texts in English as programs
// read them. A completed reading's texts are the pieces of TextPieces::Utf8, which need no
// escaping inside a JSON string: only the echo of the input may need it.
class JsonLines final : public BatchLineFormat {
 public:
  void TooLong(BlockWriter& out) override {
#ifndef TESSERIN_FUZZ_SMALL_BLOCKS  // whose limit is smaller than the message says
    static_assert(LineReader::kMaxLine == 1048576, "the message names the limit");
#endif
    out.Put("{\"error\":"sv);
    out.PutQuoted(MessageText(Message::kLineTooLong, Language::kEnglish));
    out.Put("}\n"sv);
  }

  // A line that is not a reading: the line as it came and what is wrong with it.
  void BadLine(std::string_view line, Message error, int fields, BlockWriter& out) override {
    out.Put("{\"input\":"sv);
    out.PutQuoted(line);
    PutLast("error", MessageText(error, Language::kEnglish, std::to_string(fields)), out);
  }

  void UnknownMode(const Fields& f, BlockWriter& out) override {
    PutEcho(f, out);
    PutLast("error", MessageText(Message::kUnknownMode, Language::kEnglish), out);
  }

  // A notice is the refusal's message; a field that is no whole number, its error (all of it:
  // the field may hold a NUL byte).
  void Refused(const Fields& f, const Refusal& refusal, BlockWriter& out) override {
    PutEcho(f, out);
    const bool notice = refusal.kind == Refusal::Kind::YearOutOfRange || refusal.kind == Refusal::Kind::MonthOrDayOutOfRange;
    PutLast(notice ? "message" : "error", RefusalMessage(refusal, Language::kEnglish), out);
  }

  // The echo of the input, the members of a completed reading, the object's end and the line
  // end, written at one cursor after one check that the longest such line has room. The
  // fields and the pieces of TextPieces have the bytes behind them that PutPadded reads.
  void Read(const Fields& f, const Reading& r, BlockWriter& out) override {
    static_assert(LineReader::kReadablePast >= LineCursor::kBlock && TextPieces::kReadablePast >= LineCursor::kBlock);
    std::size_t most = readingMost_;
    if (f.plain) {
      most += kPlainEchoKeysSize + f.text[0].size() + f.text[1].size() + f.text[2].size() + f.text[3].size();
    } else {
      PutEcho(f, out);
    }
    LineCursor line = out.StartLine(most);
    if (f.plain) {
      line.Put(kPlainEchoKeys[0]), line.PutPadded(f.text[0]), line.Put(kPlainEchoKeys[1]), line.PutPadded(f.text[1]);
      line.Put(kPlainEchoKeys[2]), line.PutPadded(f.text[2]), line.Put(kPlainEchoKeys[3]), line.PutPadded(f.text[3]);
      line.Put('"');
    }
    const TextPieces& t = pieces_;
    const Pillars& p = r.pillars;
    auto put = [&line](std::string_view piece) { line.PutPadded(piece); };
    line.Put(",\"line\":\""sv), t.PutPillarLine(p, put);
    line.Put("\",\"pillars\":\""sv);
    for (PillarPlace place : {kYearPillar, kMonthPillar, kDayPillar}) line.PutPadded(t.Pillar(p.Entry(place)));
    line.Put("\",\"chart\":\""sv), t.PutChart(p, r.chart, put);
    line.Put("\",\"personality\":\""sv), t.PutPersonality(r, put);
    line.Put("\",\"libido\":"sv), line.Put(Digit(r.libido));
    line.Put(",\"date\":"sv), line.Put(Digit(r.date));
    line.Put(",\"kindness\":"sv), line.Put(Digit(r.kindness));
    line.Put(",\"money\":"sv), line.Put(Digit(r.money));
    line.Put(",\"marriage\":"sv), line.Put(Digit(r.marriage));
    line.Put(",\"stars\":{\"libido\":\""sv), line.PutPadded(t.Stars(r.libido));
    line.Put("\",\"date\":\""sv), line.PutPadded(t.Stars(r.date));
    line.Put("\",\"kindness\":\""sv), line.PutPadded(t.Stars(r.kindness));
    line.Put("\",\"money\":\""sv), line.PutPadded(t.Stars(r.money));
    line.Put("\"},\"solar_date\":\""sv);
    WriteIsoDate(r.read.solar, line.Take(10));
    line.Put("\",\"read_as\":\""sv), line.Put(ReadAsWord(r.read)), line.Put("\"}\n"sv);
    out.EndLine(line);
  }

 private:
  // The keys of the echo of fields that need no escaping, each with the quotes around its field
  // but the last.
  static constexpr std::string_view kPlainEchoKeys[kFields] = {"{\"year\":\""sv, "\",\"month\":\""sv,
                                                               "\",\"day\":\""sv, "\",\"mode\":\""sv};
  static constexpr std::size_t kPlainEchoKeysSize =  // and the last quote
      kPlainEchoKeys[0].size() + kPlainEchoKeys[1].size() + kPlainEchoKeys[2].size() + kPlainEchoKeys[3].size() + 1;

  // A score as one digit: the numbers stop at eight.
  static char Digit(int score) { return static_cast<char>('0' + (score < 0 ? 0 : score > 8 ? 8 : score)); }

  // The object's start: the four fields as they came, escaped where they must be.
  static void PutEcho(const Fields& f, BlockWriter& out) {
    if (f.plain) {
      for (int i = 0; i < kFields; ++i) out.Put(kPlainEchoKeys[i]), out.Put(f.text[i]);
      out.Put("\""sv);
      return;
    }
    constexpr std::string_view kKeys[kFields] = {"{\"year\":"sv, ",\"month\":"sv, ",\"day\":"sv, ",\"mode\":"sv};
    for (int i = 0; i < kFields; ++i) out.Put(kKeys[i]), out.PutQuoted(f.text[i]);
  }

  // The last member of an object that holds no reading, the object's end and the line end.
  static void PutLast(std::string_view key, std::string_view text, BlockWriter& out) {
    out.PutMember(key, text);
    out.Put("}\n"sv);
  }

  const TextPieces& pieces_ = TextPieces::Utf8();
  // The most a reading's members take: their keys, numbers and date (under 512 bytes) and the 17
  // pieces of TextPieces that a line puts (the caption, 3 of the pillar line, 3 pillars, 4 of
  // the chart, 2 of the personality, 4 rows of stars).
  const std::size_t readingMost_ = 512 + 17 * pieces_.Longest();
};

}  // namespace

int ReadJsonLines(std::istream& in, BlockWriter& writer) {
  JsonLines json;
  return ReadBatch(in, writer, json);
}

}  // namespace tesserin
