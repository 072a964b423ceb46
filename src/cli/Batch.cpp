#include "cli/Batch.h"

#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "base/Gbk.h"
#include "cli/BatchStreams.h"
#include "cli/Cli.h"
#include "cli/DateText.h"
#include "cli/Json.h"
#include <variant>

#include "reading/AnalysisRun.h"
#include "reading/Ratings.h"
#include "reading/ReadingText.h"
#include "reading/TextPieces.h"

namespace tesserin {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

constexpr int kFields = 4;      // year, month, day, mode
constexpr int kDateFields = 2;  // a date as one text, mode
constexpr const char* kFieldsExpected = "4 TAB-separated fields (year, month, day, mode)";

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
    for (bool lunar : {false, true})
      dateRead[lunar] = ShortPiece("},\"solar_date\":\"YYYY-MM-DD\",\"read_as\":\""s + (lunar ? "lunar" : "solar") + "\"}\n");
  }
};

const ReadingTexts& TheTexts() {
  static const ReadingTexts texts;
  return texts;
}

bool IsAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

// ASCII is the same bytes in UTF-8 and code page 936: only other text goes through the
// converter.
void ToGbk(std::string_view utf8, GbkString& gbk) {
  if (IsAscii(utf8)) {
    gbk.assign(utf8);
  } else {
    gbk = Gbk(utf8);
  }
}
std::string ToUtf8(const GbkString& gbk) { return IsAscii(gbk) ? gbk : Utf8(gbk); }

// The fields of a line and how many there are (past kFields only the count goes on), and
// whether every field is plain JSON text, as it mostly is: then the echo needs no escaping and
// the input no conversion.
struct Fields {
  std::string_view text[kFields];
  int count = 0;
  bool plain = true;
};

// One pass over the bytes of a line.
Fields SplitTabs(std::string_view line) {
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

class BatchReader {
 public:
  // Writes the JSON object of one line and its line end. Everything but a completed reading is
  // kept out of this function (cold or out of line), so that the compiler gives its inlining to
  // the common path (batch_bench).
  void Line(const InputLine& input, BlockWriter& out) {
    if (input.tooLong) return PutTooLong(out);
    std::string_view line = input.text;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);  // files written on Windows
    Fields f = SplitTabs(line);
    if (f.count != kFields && !AsFourFields(line, f, out)) return;
    PutEcho(f, out);
    if (f.text[3] != "lunar" && f.text[3] != "solar") return PutLast("error", "unknown mode (expected lunar or solar)", out);
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
    if (const Refusal* refusal = std::get_if<Refusal>(&outcome)) {
      // A notice is the refusal's message; a field that is no whole number, its error (all of
      // it: the field may hold a NUL byte).
      return PutLast(refusal->kind == Refusal::Kind::NotAWholeNumber ? "error" : "message",
                     ToUtf8(RefusalText(*refusal)), out);
    }
    PutReading(std::get<Reading>(outcome), out);
  }

 private:
  [[gnu::cold]] static void PutTooLong(BlockWriter& out) {
    static_assert(LineReader::kMaxLine == 1048576, "the message names the limit");
    out.Put(R"j({"error":"line longer than 1048576 bytes (1 MiB)"})j" "\n"sv);
  }

  // A line of two fields, a date and a mode, as the four it stands for. Any other count, or a
  // date that is none, gets its error: false.
  [[gnu::noinline]] static bool AsFourFields(std::string_view line, Fields& f, BlockWriter& out) {
    if (f.count == kDateFields) {
      if (const auto date = SplitDateText(f.text[0])) {
        f = {{(*date)[0], (*date)[1], (*date)[2], f.text[1]}, kFields, f.plain};
        return true;
      }
      PutInputError(line, "expected the date as "s + kDateForms + ", or " + kFieldsExpected, out);
      return false;
    }
    PutInputError(line, "expected "s + kFieldsExpected + ", found " + std::to_string(f.count), out);
    return false;
  }

  // A line that is not a reading: the line as it came and what is wrong with it.
  [[gnu::cold]] static void PutInputError(std::string_view line, const std::string& error, BlockWriter& out) {
    out.Put("{\"input\":"sv);
    out.PutQuoted(line);
    PutLast("error", error, out);
  }

  // The last member of an object that holds no reading, the object's end and the line end.
  [[gnu::cold]] static void PutLast(std::string_view key, std::string_view text, BlockWriter& out) {
    out.PutMember(key, text);
    out.Put("}\n"sv);
  }

  // The object's start: the four fields as they came, escaped where they must be.
  static void PutEcho(const Fields& f, BlockWriter& out) {
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

  // The members of a completed reading after the echo of the input, the object's end and the
  // line end.
  static void PutReading(const Reading& r, BlockWriter& out) {
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
  // A score as an index into its pieces: the stars stop at five, the numbers at eight.
  static int Clamped(int score, int pieces) { return score < 0 ? 0 : score >= pieces ? pieces - 1 : score; }

  AnalysisInput input_;
  GbkString text_;  // a field's text in code page 936, when it was not ASCII
};

}  // namespace

int RunBatch(std::istream& in, std::ostream& out) {
  BatchReader reader;
  BlockWriter writer(out);
  // What is answered goes out before the reader waits for more input: a program that writes a
  // line into the pipe gets its answer before it writes the next.
  LineReader lines(in, [&writer] { writer.Flush(); });
  for (InputLine line; lines.Next(line);) reader.Line(line, writer);
  writer.Flush();
  if (lines.Failure()) throw *lines.Failure();  // reported after every complete answer
  return kExitOk;
}

}  // namespace tesserin
