#include "cli/Batch.h"

#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "base/Gbk.h"
#include "cli/BatchLine.h"
#include "cli/BatchStreams.h"
#include "cli/CsvBatch.h"
#include "cli/Json.h"
#include "cli/Messages.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"
#include "reading/TextPieces.h"

namespace tesserin {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

// The pieces of a completed reading's JSON members, made once from the reading's UTF-8 texts
// (TextPieces::Utf8, which need no escaping inside a JSON string): a line of output is
// assembled from these pieces and the reading's texts, and only the echo of the input needs
// escaping.
struct ReadingTexts {
  const TextPieces& pieces = TextPieces::Utf8();
  ShortPiece lineOpen;  // ,"line":"八字：
  std::array<ShortPiece, kCycleLength> pillars, pillarsWithBlank;
  // The members of the scores (libido, date, kindness, money, marriage) with their values 0..8,
  // and of the stars (the first four) with 0..5 filled stars: ,"libido":3 and ,"libido":"★★★☆☆".
  // The first of each also closes the string before it or opens the stars object.
  std::array<std::array<ShortPiece, 9>, 5> scores;
  std::array<std::array<ShortPiece, 6>, 4> stars;
  // The end of a reading, by whether the date was read as lunar: the stars closed, the solar
  // date (its digits written in place in the output, at kDateAt), how it was read, the line end.
  std::array<ShortPiece, 2> dateRead;
  static constexpr std::size_t kDateAt = 16;

  ReadingTexts() {
    lineOpen = ShortPiece(",\"line\":\"" + std::string(pieces.PillarCaption()));
    for (int i = 0; i < kCycleLength; ++i) {
      pillars[i] = ShortPiece(std::string(pieces.Pillar(i)));
      pillarsWithBlank[i] = ShortPiece(std::string(pieces.Pillar(i)) + " ");
    }
    const char* const names[] = {"libido", "date", "kindness", "money", "marriage"};
    for (int k = 0; k < 5; ++k)
      for (int n = 0; n < 9; ++n)
        scores[k][n] = ShortPiece(std::string(k == 0 ? "\"" : "") + ",\"" + names[k] + "\":" + std::to_string(n));
    for (int k = 0; k < 4; ++k)
      for (int n = 0; n < 6; ++n)
        stars[k][n] = ShortPiece(std::string(k == 0 ? ",\"stars\":{" : ",") + "\"" + names[k] + "\":\"" +
                                 std::string(pieces.Stars(n)) + "\"");
    for (bool lunar : {false, true}) {
      const std::string end = "},\"solar_date\":\"YYYY-MM-DD\",\"read_as\":\""s + (lunar ? "lunar" : "solar") + "\"}\n";
      dateRead[lunar] = ShortPiece(end);
    }
  }
};

const ReadingTexts& TheTexts() {
  static const ReadingTexts texts;
  return texts;
}

// The batch as JSON Lines: one object per line, its keys and texts in English as programs
// read them.
class JsonLines {
 public:
  [[gnu::cold]] static void TooLong(BlockWriter& out) {
    static_assert(LineReader::kMaxLine == 1048576, "the message names the limit");
    out.Put("{\"error\":"sv);
    out.PutQuoted(MessageText(Message::kLineTooLong, Language::kEnglish));
    out.Put("}\n"sv);
  }

  // A line that is not a reading: the line as it came and what is wrong with it.
  [[gnu::cold]] static void BadLine(std::string_view line, Message error, int fields, BlockWriter& out) {
    out.Put("{\"input\":"sv);
    out.PutQuoted(line);
    PutLast("error", MessageText(error, Language::kEnglish, std::to_string(fields)), out);
  }

  // The object's start: the four fields as they came, escaped where they must be.
  static void Echo(const Fields& f, std::string_view, BlockWriter& out) {
    if (f.plain) {
      constexpr std::string_view kKeys[kFields] = {"{\"year\":\""sv, "\",\"month\":\""sv, "\",\"day\":\""sv,
                                                   "\",\"mode\":\""sv};
      for (int i = 0; i < kFields; ++i) out.Put(kKeys[i]), out.Put(f.text[i]);
      out.Put("\""sv);
      return;
    }
    constexpr std::string_view kKeys[kFields] = {"{\"year\":"sv, ",\"month\":"sv, ",\"day\":"sv, ",\"mode\":"sv};
    for (int i = 0; i < kFields; ++i) out.Put(kKeys[i]), out.PutQuoted(f.text[i]);
  }

  [[gnu::cold]] static void UnknownMode(BlockWriter& out) {
    PutLast("error", MessageText(Message::kUnknownMode, Language::kEnglish), out);
  }

  // A notice is the refusal's message; a field that is no whole number, its error (all of it:
  // the field may hold a NUL byte).
  [[gnu::cold]] static void Refused(const Refusal& refusal, BlockWriter& out) {
    PutLast(refusal.kind == Refusal::Kind::NotAWholeNumber ? "error" : "message", ToUtf8(RefusalText(refusal)), out);
  }

  // The members of a completed reading after the echo of the input, the object's end and the
  // line end.
  static void Read(const Reading& r, BlockWriter& out) {
    const ReadingTexts& t = TheTexts();
    const Pillars& p = r.pillars;
    const int year = p.Entry(kYearPillar), month = p.Entry(kMonthPillar), day = p.Entry(kDayPillar);
    out.Put(t.lineOpen), out.Put(t.pillarsWithBlank[year]), out.Put(t.pillarsWithBlank[month]), out.Put(t.pillars[day]);
    out.Put("\",\"pillars\":\""sv), out.Put(t.pillars[year]), out.Put(t.pillars[month]), out.Put(t.pillars[day]);
    auto put = [&out](std::string_view piece) { out.Put(piece); };
    out.Put("\",\"chart\":\""sv), t.pieces.PutChart(r.pillars, r.chart, put);
    out.Put("\",\"personality\":\""sv), t.pieces.PutPersonality(r, put);
    const int scores[] = {r.libido, r.dating, r.kindness, r.money, r.marriage};
    for (int k = 0; k < 5; ++k) out.Put(t.scores[k][Clamped(scores[k], 9)]);
    for (int k = 0; k < 4; ++k) out.Put(t.stars[k][Clamped(scores[k], 6)]);
    WriteIsoDate(r.read.solar, out.Put(t.dateRead[r.read.asLunar]) + ReadingTexts::kDateAt);
  }

 private:
  // A score as an index into its pieces: the stars stop at five, the numbers at eight.
  static int Clamped(int score, int pieces) { return score < 0 ? 0 : score >= pieces ? pieces - 1 : score; }

  // The last member of an object that holds no reading, the object's end and the line end.
  static void PutLast(std::string_view key, std::string_view text, BlockWriter& out) {
    out.PutMember(key, text);
    out.Put("}\n"sv);
  }
};

}  // namespace

int RunBatch(std::istream& in, std::ostream& out, BatchFormat format) {
  BlockWriter writer(out);
  if (format == BatchFormat::kCsv) return ReadCsvSheet(in, writer);
  JsonLines json;
  return ReadBatch(in, writer, json);
}

}  // namespace tesserin
