#include "cli/Batch.h"

#include <array>
#include <cstring>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "base/Gbk.h"
#include "cli/Json.h"
#include "pillars/AnalysisRun.h"
#include "pillars/Ratings.h"

namespace tesserin {
namespace {

using namespace std::string_view_literals;

constexpr int kFields = 4;  // year, month, day, mode

// The texts of a completed reading in UTF-8 as they go into a JSON string, converted once from
// the tables the run shows: a line of output is assembled from these pieces, and only the echo
// of the input needs escaping.
struct ReadingTexts {
  std::string lineOpen;  // ,"line":"八字：
  std::array<std::string, kCycleLength> pillars;
  std::array<std::string, 12> branches;
  std::array<std::string, 10> gods;
  std::string dayOrigin;  // "日元"
  std::array<std::string, kCycleLength> personalities;
  std::string note;
  // The members of the scores (libido, date, kindness, money, marriage) with their values 0..8,
  // and of the stars (the first four) with 0..5 filled stars: ,"libido":3 and ,"libido":"★★★☆☆".
  std::array<std::array<std::string, 9>, 5> scores;
  std::array<std::array<std::string, 6>, 4> stars;
  // More than the longest completed reading writes after the echo of its input.
  static constexpr std::size_t kMostBytes = 1024;

  ReadingTexts() {
    lineOpen = ",\"line\":\"" + Piece(AnalysisDisplay::Initial().PillarLine);
    for (int i = 0; i < kCycleLength; ++i) {
      pillars[i] = Piece(CycleEntry(i));
      personalities[i] = Piece(PersonalityOf(i));
    }
    for (int b = 0; b < 12; ++b) branches[b] = Piece(BranchText(static_cast<BranchName>(b)));
    for (int g = 0; g < 10; ++g) gods[g] = Piece(GodNameText(static_cast<GodName>(g)));
    dayOrigin = Piece(Gbk("日元"));
    note = Piece(Gbk(kLateMarriageNoteUtf8));
    const char* const names[] = {"libido", "date", "kindness", "money", "marriage"};
    for (int k = 0; k < 5; ++k)
      for (int n = 0; n < 9; ++n) scores[k][n] = std::string(",\"") + names[k] + "\":" + std::to_string(n);
    for (int k = 0; k < 4; ++k)
      for (int n = 0; n < 6; ++n)
        stars[k][n] = std::string(k == 0 ? "" : ",") + "\"" + names[k] + "\":\"" + Piece(StarText(n)) + "\"";
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

// The fields of a line and how many there are; past kFields only the count goes on.
struct Fields {
  std::string_view text[kFields];
  int count = 0;
};

Fields SplitTabs(std::string_view line) {
  Fields f;
  for (std::size_t start = 0;;) {
    std::size_t tab = line.find('\t', start);
    if (f.count < kFields) f.text[f.count] = line.substr(start, tab - start);
    ++f.count;
    if (tab == std::string_view::npos) return f;
    start = tab + 1;
  }
}

class BatchReader {
 public:
  // Appends the JSON object of one line (without its line end) to `out`.
  void Line(std::string_view line, std::string& out) {
    Fields f = SplitTabs(line);
    JsonObject o(out);
    if (f.count != kFields) {
      o.Add("input", line)
          .Add("error", "expected 4 TAB-separated fields (year, month, day, mode), found " + std::to_string(f.count))
          .Close();
      return;
    }
    o.Add("year", f.text[0]).Add("month", f.text[1]).Add("day", f.text[2]).Add("mode", f.text[3]);
    if (f.text[3] != "lunar" && f.text[3] != "solar") {
      o.Add("error", "unknown mode (expected lunar or solar)").Close();
      return;
    }
    ToGbk(f.text[0], input_.YearText);
    ToGbk(f.text[1], input_.MonthText);
    ToGbk(f.text[2], input_.DayText);
    message_.clear();
    try {
      AnalysisRun(f.text[3] == "lunar" ? "1" : "0", input_, display_,
                  [&](const GbkString& text) { message_ = text; }, &detail_);
    } catch (const ConversionError& e) {
      // The whole message: the field may hold a NUL byte, where what() would end.
      o.Add("error", ToUtf8(e.Message())).Close();
      return;
    }
    if (!detail_.completed) {
      o.Add("message", ToUtf8(message_)).Close();
      return;
    }
    AppendReading(out);
  }

 private:
  // The members of a completed reading after the echo of the input, and the object's end.
  void AppendReading(std::string& out) const {
    const ReadingTexts& t = TheTexts();
    const AnalysisDetail& r = detail_;
    const Pillars& p = r.pillars;
    // Room for the longest reading, filled piece by piece and cut to what was written.
    std::size_t start = out.size();
    out.resize(start + ReadingTexts::kMostBytes);
    char* at = out.data() + start;
    auto put = [&at](std::string_view piece) {
      std::memcpy(at, piece.data(), piece.size());
      at += piece.size();
    };
    const std::string& year = t.pillars[p.Entry(kYearPillar)];
    const std::string& month = t.pillars[p.Entry(kMonthPillar)];
    const std::string& day = t.pillars[p.Entry(kDayPillar)];
    put(t.lineOpen), put(year), put(" "sv), put(month), put(" "sv), put(day);
    put("\",\"pillars\":\""sv), put(year), put(month), put(day);
    put("\",\"chart\":\""sv), put(t.gods[r.chart[kYearStem]]), put(t.gods[r.chart[kMonthStem]]), put(t.dayOrigin);
    put(t.branches[p.Branch(kYearPillar)]), put(t.gods[r.chart[kYearBranch]]);
    put(t.branches[p.Branch(kMonthPillar)]), put(t.gods[r.chart[kMonthBranch]]);
    put(t.branches[p.Branch(kDayPillar)]), put(t.gods[r.chart[kDayBranch]]);
    put("\",\"personality\":\""sv), put(t.personalities[p.Entry(kDayPillar)]);
    if (r.marriage > 3) put(t.note);
    put("\""sv);
    const int scores[] = {r.libido, r.date, r.kindness, r.money, r.marriage};
    for (int k = 0; k < 5; ++k) put(t.scores[k][Clamped(scores[k], 9)]);
    put(",\"stars\":{"sv);
    for (int k = 0; k < 4; ++k) put(t.stars[k][Clamped(scores[k], 6)]);
    put("}}"sv);
    out.resize(static_cast<std::size_t>(at - out.data()));
  }
  // A score as an index into its pieces: the stars stop at five, the numbers at eight.
  static int Clamped(int score, int pieces) { return score < 0 ? 0 : score >= pieces ? pieces - 1 : score; }

  AnalysisInput input_;
  AnalysisDisplay display_ = AnalysisDisplay::Initial();
  AnalysisDetail detail_;
  GbkString message_;
};

}  // namespace

int RunBatch(std::istream& in, std::ostream& out) {
  // A stream tied to the output flushes it before every read: one write per line. Untied, the
  // output goes in large blocks.
  std::ostream* tied = in.tie(nullptr);
  constexpr std::size_t kBlock = 1 << 16;
  BatchReader reader;
  std::string line, block;
  block.reserve(2 * kBlock);
  while (std::getline(in, line)) {
    std::string_view text = line;
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);  // files written on Windows
    reader.Line(text, block);
    block += '\n';
    if (block.size() >= kBlock) {
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
      block.clear();
    }
  }
  out.write(block.data(), static_cast<std::streamsize>(block.size()));
  out.flush();
  in.tie(tied);
  return 0;
}

}  // namespace tesserin
