#include "reading/ReadingText.h"

#include <cstring>

#include "base/GbkLiteral.h"
#include "cycle/CycleTable.h"
#include "reading/Ratings.h"

namespace tesserin {

namespace {

const GbkLiteral kPillarCaption{"八字："};
const GbkLiteral kLateMarriageNote{"，女晚婚或离婚"};
// The window's captions of the five fields after the 八字 line.
const GbkLiteral kFieldCaptions[5] = {GbkLiteral{"性格总论："}, GbkLiteral{"性欲指数："}, GbkLiteral{"可约指数："},
                                      GbkLiteral{"善良指数："}, GbkLiteral{"要钱指数："}};

}  // namespace

AnalysisDisplay AnalysisDisplay::Initial() {
  AnalysisDisplay d;
  d.PillarLine = kPillarCaption;
  d.LibidoStars = d.DateStars = d.KindnessStars = d.MoneyStars = " ";
  return d;
}

// Copied in place, the line takes 201 instructions (8.1 ns) against 356 (13.3 ns) appended
// (BM_TunedPiece/pillar_line, bench/count-instructions --pieces; bench/RESULTS.md).
void WritePillarLine(const Pillars& pillars, GbkString& line) {
  const GbkString& caption = kPillarCaption;
  line.resize(caption.size() + 3 * 4 + 2);
  char* at = line.data();
  std::memcpy(at, caption.data(), caption.size());
  at += caption.size();
  for (PillarPlace place : {kYearPillar, kMonthPillar, kDayPillar}) {
    if (place != kYearPillar) *at++ = ' ';
    std::memcpy(at, CycleEntry(pillars.Entry(place)).data(), 4);
    at += 4;
  }
}

void WritePillarLineByAppending(const Pillars& pillars, GbkString& line) {
  line.assign(kPillarCaption.Text());
  for (PillarPlace place : {kYearPillar, kMonthPillar, kDayPillar}) {
    if (place != kYearPillar) line += ' ';
    line += CycleEntry(pillars.Entry(place));
  }
}

const GbkString& LateMarriageNote() { return kLateMarriageNote; }

void WritePersonalityText(const Reading& reading, GbkString& text) {
  text.assign(PersonalityOf(reading.DayPillar()));
  if (reading.lateMarriageNote) text += LateMarriageNote();
}

void WriteFields(const Reading& reading, AnalysisDisplay& fields) {
  WritePillarLine(reading.pillars, fields.PillarLine);
  WritePersonalityText(reading, fields.PersonalityText);
  WriteStars(reading.libido, fields.LibidoStars);
  WriteStars(reading.date, fields.DateStars);
  WriteStars(reading.kindness, fields.KindnessStars);
  WriteStars(reading.money, fields.MoneyStars);
}

AnalysisDisplay FieldsOf(const Reading& reading) {
  AnalysisDisplay fields;
  WriteFields(reading, fields);
  return fields;
}

GbkString ReadingText(const AnalysisDisplay& fields, std::string_view lineEnd) {
  const GbkString* values[5] = {&fields.PersonalityText, &fields.LibidoStars, &fields.DateStars,
                                &fields.KindnessStars, &fields.MoneyStars};
  GbkString text = fields.PillarLine;
  text += lineEnd;
  for (int k = 0; k < 5; ++k) {
    text += kFieldCaptions[k].Text();
    text += *values[k];
    text += lineEnd;
  }
  return text;
}

GbkString ReadingText(const Reading& reading, std::string_view lineEnd) {
  return ReadingText(FieldsOf(reading), lineEnd);
}

}  // namespace tesserin
