#include "cli/Batch.h"

#include <array>
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

constexpr int kFields = 4;  // year, month, day, mode

// The texts of a completed reading in UTF-8 as they go into a JSON string, converted once from
// the tables the run shows: a line of output is assembled from these pieces, and only the echo
// of the input needs escaping.
struct ReadingTexts {
  std::string caption;  // "八字："
  std::array<std::string, kCycleLength> pillars;
  std::array<std::string, 12> branches;
  std::array<std::string, 10> gods;
  std::string dayOrigin;  // "日元"
  std::array<std::string, kCycleLength> personalities;
  std::string note;
  std::array<std::string, 6> stars;  // by the number of filled stars

  ReadingTexts() {
    caption = Piece(AnalysisDisplay::Initial().PillarLine);
    for (int i = 0; i < kCycleLength; ++i) {
      pillars[i] = Piece(CycleEntry(i));
      personalities[i] = Piece(PersonalityOf(i));
    }
    for (int b = 0; b < 12; ++b) branches[b] = Piece(BranchText(static_cast<BranchName>(b)));
    for (int g = 0; g < 10; ++g) gods[g] = Piece(GodNameText(static_cast<GodName>(g)));
    dayOrigin = Piece(Gbk("日元"));
    note = Piece(Gbk(kLateMarriageNoteUtf8));
    for (int n = 0; n <= 5; ++n) stars[n] = Piece(StarText(n));
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

void AppendDigit(std::string& out, int value) { out += static_cast<char>('0' + value); }

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
    const std::string& year = t.pillars[r.pillars.Entry(kYearPillar)];
    const std::string& month = t.pillars[r.pillars.Entry(kMonthPillar)];
    const std::string& day = t.pillars[r.pillars.Entry(kDayPillar)];
    out.append(",\"line\":\"").append(t.caption).append(year).append(" ").append(month).append(" ").append(day);
    out.append("\",\"pillars\":\"").append(year).append(month).append(day);
    out.append("\",\"chart\":\"").append(t.gods[r.chart[kYearStem]]).append(t.gods[r.chart[kMonthStem]]).append(t.dayOrigin);
    out.append(t.branches[r.pillars.Branch(kYearPillar)]).append(t.gods[r.chart[kYearBranch]]);
    out.append(t.branches[r.pillars.Branch(kMonthPillar)]).append(t.gods[r.chart[kMonthBranch]]);
    out.append(t.branches[r.pillars.Branch(kDayPillar)]).append(t.gods[r.chart[kDayBranch]]);
    out.append("\",\"personality\":\"").append(t.personalities[r.pillars.Entry(kDayPillar)]);
    if (r.marriage > 3) out.append(t.note);
    out.append("\",\"libido\":"), AppendDigit(out, r.libido);
    out.append(",\"date\":"), AppendDigit(out, r.date);
    out.append(",\"kindness\":"), AppendDigit(out, r.kindness);
    out.append(",\"money\":"), AppendDigit(out, r.money);
    out.append(",\"marriage\":"), AppendDigit(out, r.marriage);
    out.append(",\"stars\":{\"libido\":\"").append(t.stars[Clamped(r.libido)]);
    out.append("\",\"date\":\"").append(t.stars[Clamped(r.date)]);
    out.append("\",\"kindness\":\"").append(t.stars[Clamped(r.kindness)]);
    out.append("\",\"money\":\"").append(t.stars[Clamped(r.money)]).append("\"}}");
  }
  static int Clamped(int stars) { return stars > 5 ? 5 : stars < 0 ? 0 : stars; }

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
