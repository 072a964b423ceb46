// A reading as text: the six result fields of the window (the 八字 line, the personality text
// and the four star ratings), and the same as six lines after the window's captions, which
// tesserin-cli prints and the window copies.
#pragma once

#include <string_view>

#include "base/Gbk.h"
#include "reading/AnalysisRun.h"

namespace tesserin {

// The six result fields: Label4, Memo1, Label11, Label12, Label14, Label16.
struct AnalysisDisplay {
  GbkString PillarLine;       // "八字：" before the first reading
  GbkString PersonalityText;  // also the watcher's message for an unreadable profile
  GbkString LibidoStars;      // " " before the first reading
  GbkString DateStars;
  GbkString KindnessStars;
  GbkString MoneyStars;

  // The contents of the six fields when the window opens.
  static AnalysisDisplay Initial();
  bool operator==(const AnalysisDisplay&) const = default;
};

// "，女晚婚或离婚", which follows the personality text of a reading with lateMarriageNote.
const GbkString& LateMarriageNote();

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

}  // namespace tesserin
