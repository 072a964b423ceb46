#include "cli/BatchLine.h"

#include <algorithm>
#include <variant>

#include "cli/DateText.h"
#include "cli/ExitStatus.h"

namespace tesserin {

namespace {

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

// The size of the blank at the start of `text`: a space, an ideographic space, or none (0).
std::size_t BlankAt(std::string_view text) {
  if (text.starts_with(' ')) return 1;
  return text.starts_with(kIdeographicSpace) ? kIdeographicSpace.size() : 0;
}

std::string_view TrimSpaces(std::string_view text) {
  while (text.starts_with(' ')) text.remove_prefix(1);
  while (text.ends_with(' ')) text.remove_suffix(1);
  return text;
}

// The fields of a line at its commas into `joined`, each followed by a TAB; returns their count.
int JoinCommaFields(std::string_view line, std::string& joined) {
  int count = 0;
  std::size_t at = 0;
  for (;;) {
    while (at < line.size() && line[at] == ' ') ++at;
    if (at < line.size() && line[at] == '"') {  // to the closing quote, "" standing for one
      for (++at; at < line.size(); ++at) {
        if (line[at] != '"') {
          joined += line[at];
        } else if (at + 1 < line.size() && line[at + 1] == '"') {
          joined += '"', ++at;
        } else {
          ++at;
          break;
        }
      }
      const std::size_t comma = std::min(line.find(',', at), line.size());
      joined.append(TrimSpaces(line.substr(at, comma - at)));  // anything after the quote, as it is
      at = comma;
    } else {
      const std::size_t comma = std::min(line.find(',', at), line.size());
      joined.append(TrimSpaces(line.substr(at, comma - at)));
      at = comma;
    }
    joined += '\t';
    ++count;
    if (at == line.size()) return count;
    ++at;  // the comma
  }
}

// The fields of a line between runs of blanks into `joined`, each followed by a TAB; returns
// their count.
int JoinBlankFields(std::string_view line, std::string& joined) {
  int count = 0;
  while (!line.empty()) {
    if (const std::size_t blank = BlankAt(line)) {
      line.remove_prefix(blank);
      continue;
    }
    std::size_t end = 0;
    while (end < line.size() && !BlankAt(line.substr(end))) ++end;
    joined.append(line.substr(0, end)) += '\t';
    line.remove_prefix(end);
    ++count;
  }
  return count;
}

struct ModeWord {
  std::string_view word;
  CalendarMode mode;
};
constexpr ModeWord kChineseModeWords[] = {
    {"农历", CalendarMode::Lunar}, {"阴历", CalendarMode::Lunar}, {"公历", CalendarMode::Solar}, {"阳历", CalendarMode::Solar}};

bool EqualIgnoringCase(std::string_view text, std::string_view lower) {
  return text.size() == lower.size() &&
         std::equal(text.begin(), text.end(), lower.begin(),
                    [](char a, char b) { return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b; });
}

// The lines of a batch through the reading to their format.
class BatchReader {
 public:
  explicit BatchReader(BatchLineFormat& format) : format_(format) {}

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

  // Date field i: its number as the split read it, or its text (UTF-8, as given) read by the
  // rule.
  static DateField FieldOf(const Fields& f, int i) {
    if (f.number[i] >= 0) return DateField::Number(f.number[i]);
    return DateField::OfText(f.text[i]);
  }

  BatchLineFormat& format_;
  std::string joined_;  // a line split at commas or blanks, its fields joined by TABs
};

}  // namespace

int ReadBatch(std::istream& in, BlockWriter& writer, BatchLineFormat& format) {
  BatchReader reader(format);
  LineReader lines(in, [&writer] { writer.Flush(); });
  for (InputLine line; lines.Next(line);) reader.Line(line, writer);
  writer.Flush();
  if (lines.Failure()) throw *lines.Failure();  // reported after every complete answer
  return kExitOk;
}

Fields SplitTabsPlainly(std::string_view line) {
  Fields f;
  for (std::size_t start = 0;;) {
    const std::size_t tab = std::min(line.find('\t', start), line.size());
    const std::string_view field = line.substr(start, tab - start);
    for (char c : field)
      if (!IsPlainJsonByte(static_cast<unsigned char>(c))) f.plain = false;
    if (f.count < kFields) {
      f.text[f.count] = field;
      const bool digits = std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
      if (digits && !field.empty() && field.size() <= 9) {
        int number = 0;
        for (char c : field) number = number * 10 + (c - '0');
        f.number[f.count] = number;
      }
    }
    ++f.count;
    if (tab == line.size()) return f;
    start = tab + 1;
  }
}

Fields SplitCommasOrBlanks(std::string_view line, std::string& joined) {
  joined.clear();
  int count = 0;
  if (line.find(',') != std::string_view::npos) {
    count = JoinCommaFields(line, joined);
  } else if (line.find(' ') != std::string_view::npos || line.find(kIdeographicSpace) != std::string_view::npos) {
    count = JoinBlankFields(line, joined);
  }
  if (count < 2) return SplitTabs(line);
  joined.pop_back();  // the TAB after the last field
  const std::size_t size = joined.size();
  joined.append(LineReader::kReadablePast, '\0');
  return SplitTabs(std::string_view(joined).substr(0, size));
}

std::optional<CalendarMode> ModeOfWord(std::string_view word) {
  word = TrimSpaces(word);
  if (EqualIgnoringCase(word, "lunar")) return CalendarMode::Lunar;
  if (EqualIgnoringCase(word, "solar")) return CalendarMode::Solar;
  for (const ModeWord& m : kChineseModeWords)
    if (word == m.word) return m.mode;
  return std::nullopt;
}

}  // namespace tesserin
