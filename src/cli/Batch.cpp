#include "cli/Batch.h"

#include <array>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "base/Gbk.h"
#include "cli/BatchLine.h"
#include "cli/BatchStreams.h"
#include "cli/Cli.h"
#include "cli/CsvBatch.h"
#include "cli/DateText.h"
#include "cli/Json.h"
#include "cli/Messages.h"
#include "reading/AnalysisRun.h"
#include "reading/Ratings.h"
#include "reading/ReadingText.h"

namespace tesserin {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

// The texts of a completed reading in UTF-8 as they go into a JSON string, converted once from
// the tables the run shows: a line of output is assembled from these pieces, and only the echo
// of the input needs escaping.
struct ReadingTexts {
  ShortPiece lineOpen;  // ,"line":"八字：
  std::array<ShortPiece, kCycleLength> pillars, pillarsWithBlank;
  // StemGods by the names of the year and month stems; each branch followed by a name.
  std::array<std::array<ShortPiece, 10>, 10> stemGods;
  std::array<std::array<ShortPiece, 10>, 12> branchGods;
  std::array<std::string, kCycleLength> personalities;
  ShortPiece note;
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
    lineOpen = ShortPiece(",\"line\":\"" + Piece(AnalysisDisplay::Initial().PillarLine));
    for (int i = 0; i < kCycleLength; ++i) {
      pillars[i] = ShortPiece(Piece(CycleEntry(i)));
      pillarsWithBlank[i] = ShortPiece(Piece(CycleEntry(i)) + " ");
      personalities[i] = Piece(PersonalityOf(i));
    }
    for (int year = 0; year < 10; ++year)
      for (int month = 0; month < 10; ++month)
        stemGods[year][month] = ShortPiece(Piece(StemGodsText(static_cast<GodName>(year), static_cast<GodName>(month))));
    for (int b = 0; b < 12; ++b)
      for (int g = 0; g < 10; ++g)
        branchGods[b][g] = ShortPiece(Piece(BranchGodText(static_cast<BranchName>(b), static_cast<GodName>(g))));
    note = ShortPiece(Piece(LateMarriageNote()));
    const char* const names[] = {"libido", "date", "kindness", "money", "marriage"};
    for (int k = 0; k < 5; ++k)
      for (int n = 0; n < 9; ++n)
        scores[k][n] = ShortPiece(std::string(k == 0 ? "\"" : "") + ",\"" + names[k] + "\":" + std::to_string(n));
    for (int k = 0; k < 4; ++k)
      for (int n = 0; n < 6; ++n)
        stars[k][n] = ShortPiece(std::string(k == 0 ? ",\"stars\":{" : ",") + "\"" + names[k] + "\":\"" + Piece(StarText(n)) + "\"");
    for (bool lunar : {false, true}) {
      const std::string end = "},\"solar_date\":\"YYYY-MM-DD\",\"read_as\":\""s + (lunar ? "lunar" : "solar") + "\"}\n";
      dateRead[lunar] = ShortPiece(end);
    }
  }
  // A code page 936 text as UTF-8, escaped for the inside of a JSON string.
  static std::string Piece(std::string_view gbk) {
    std::string quoted;
    AppendJsonString(quoted, Utf8(gbk));
    return quoted.substr(1, quoted.size() - 2);
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
    PutLast(refusal.kind == Refusal::Kind::NotAWholeNumber ? "error" : "message", ToUtf8(refusal.text), out);
  }

  // The members of a completed reading after the echo of the input, the object's end and the
  // line end.
  static void Read(const Reading& r, BlockWriter& out) {
    const ReadingTexts& t = TheTexts();
    const Pillars& p = r.pillars;
    const int year = p.Entry(kYearPillar), month = p.Entry(kMonthPillar), day = p.Entry(kDayPillar);
    out.Put(t.lineOpen), out.Put(t.pillarsWithBlank[year]), out.Put(t.pillarsWithBlank[month]), out.Put(t.pillars[day]);
    out.Put("\",\"pillars\":\""sv), out.Put(t.pillars[year]), out.Put(t.pillars[month]), out.Put(t.pillars[day]);
    out.Put("\",\"chart\":\""sv), out.Put(t.stemGods[r.chart[kYearStem]][r.chart[kMonthStem]]);
    out.Put(t.branchGods[p.Branch(kYearPillar)][r.chart[kYearBranch]]);
    out.Put(t.branchGods[p.Branch(kMonthPillar)][r.chart[kMonthBranch]]);
    out.Put(t.branchGods[p.Branch(kDayPillar)][r.chart[kDayBranch]]);
    out.Put("\",\"personality\":\""sv), out.Put(t.personalities[day]);
    if (r.lateMarriageNote) out.Put(t.note);
    const int scores[] = {r.libido, r.date, r.kindness, r.money, r.marriage};
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
