// A reading as the window shows it: the six result fields (the 八字 line, the personality text
// and the four star ratings), the same as six lines after the window's captions, which
// tesserin-cli prints and the window copies, and a refusal in the program's words. Made from
// the pieces of TextPieces.h, in code page 936; the refusal in UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/Gbk.h"
#include "reading/AnalysisRun.h"
#include "reading/Reading.h"
#include "reading/TextPieces.h"

namespace tesserin {

// The six result fields: Label4, Memo1, Label11, Label12, Label14, Label16.
struct AnalysisDisplay {
  GbkString PillarLine;       // "八字：" before the first reading
  GbkString PersonalityText;  // also the watcher's message for an unreadable profile
  GbkString LibidoStars;      // " " before the first reading
  GbkString DateStars;
  GbkString KindnessStars;
  GbkString MoneyStars;

  // The contents of the six fields when the window opens, and whenever no reading is shown.
  static AnalysisDisplay Initial();
  bool operator==(const AnalysisDisplay&) const = default;
};

// The personality text of the reading, note included, written over `text`.
void WritePersonalityText(const Reading& reading, GbkString& text);

// The 八字 line of the pillars, written over `line`: the caption and the three pillars between
// blanks. It is always 20 bytes, so in a field that holds one already the pieces are copied over.
void WritePillarLine(const Pillars& pillars, GbkString& line);
// The same appended piece by piece: the plain way, which the tests hold WritePillarLine equal to
// and the benchmarks time beside it.
void WritePillarLineByAppending(const Pillars& pillars, GbkString& line);

// The six fields of a reading, written over the strings of `fields` (which keep their memory
// from one reading to the next).
void WriteFields(const Reading& reading, AnalysisDisplay& fields);
AnalysisDisplay FieldsOf(const Reading& reading);

// The six fields as six lines, each ended by lineEnd ("\r\n" for the Windows clipboard).
GbkString ReadingText(const AnalysisDisplay& fields, std::string_view lineEnd = "\n");
GbkString ReadingText(const Reading& reading, std::string_view lineEnd = "\n");

// Why a date got no reading, in UTF-8: "本程序只计算1950～2025年间的数据", "月或日数据超出正常范围"
// (also for a day its calendar does not have), or the conversion error "'%s' is not a valid
// integer value" quoting the field's text as given, cut to `maxQuotedCharacters` characters
// followed by "…" where it is longer. The window converts it to code page 936 as it shows it.
inline constexpr std::size_t kWholeText = static_cast<std::size_t>(-1);
std::string RefusalText(const Refusal& refusal, std::size_t maxQuotedCharacters = kWholeText);

}  // namespace tesserin
