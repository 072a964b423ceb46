#include "reading/TextPieces.h"

#include <algorithm>
#include <cstring>

#include "base/GbkLiteral.h"
#include "cycle/CycleTable.h"
#include "reading/FieldWords.h"
#include "reading/PersonalityAndStars.h"

namespace tesserin {

namespace {

const GbkLiteral kNoteComma{"，"};
const GbkLiteral kNote{"，女晚婚或离婚"};
const GbkLiteral kDayOrigin{"日元"};

// A text of the fields' words in `encoding`.
std::string TextIn(std::string_view utf8, TextEncoding encoding) {
  return encoding == TextEncoding::kUtf8 ? std::string(utf8) : tesserin::Gbk(utf8);
}
// A caption: the word followed by its colon.
std::string CaptionIn(std::string_view word, TextEncoding encoding) {
  return TextIn(std::string(word).append(kCaptionColon), encoding);
}

}  // namespace

HowRead HowReadOf(const Reading& reading) {
  if (!reading.lunarAsked) return HowRead::Solar;
  return reading.read.asLunar ? HowRead::Lunar : HowRead::LunarAsSolar;
}

// Code page 936: the tables' own texts, which the reading works on, and the literals converted
// once. UTF-8: every text as the source writes it, so that nothing is converted.
TextPieces::TextPieces(TextEncoding e) {
  auto godName = [e](int g) { return GodNameText(static_cast<GodName>(g), e); };
  pillarCaption_ = Keep(CaptionIn(kPillarsWord, e));
  captions_[static_cast<int>(FieldCaption::Personality)] = Keep(CaptionIn(kPersonalityWord, e));
  const FieldCaption ratingFields[kRatingCount] = {FieldCaption::Libido, FieldCaption::Date, FieldCaption::Kindness,
                                                   FieldCaption::Money};  // by Rating
  for (int r = 0; r < kRatingCount; ++r) captions_[static_cast<int>(ratingFields[r])] = Keep(CaptionIn(kRatingWords[r].heading, e));
  note_ = Keep(kNote.In(e));
  noteCommaSize_ = kNoteComma.In(e).size();
  for (int k = 0; k < 3; ++k) howRead_[k] = Keep(TextIn(kHowReadWords[k], e));
  for (int i = 0; i < kCycleLength; ++i) {
    const std::string pillar = std::string(StemText(StemOf(i), e)).append(BranchText(BranchOf(i), e));
    pillars_[i] = Keep(pillar);
    pillarsWithBlank_[i] = Keep(pillar + ' ');
    descriptions_[i] = Keep(PersonalityOf(i, e));
  }
  for (int n = 0; n <= 5; ++n) stars_[n] = Keep(StarText(n, e));
  for (int year = 0; year < 10; ++year)
    for (int month = 0; month < 10; ++month)
      stemGods_[year][month] = Keep(std::string(godName(year)).append(godName(month)).append(kDayOrigin.In(e)));
  for (int b = 0; b < 12; ++b)
    for (int g = 0; g < 10; ++g)
      branchGods_[b][g] = Keep(std::string(BranchText(static_cast<BranchName>(b), e)).append(godName(g)));
  texts_.append(kReadablePast, ' ');
}

TextPieces::Place TextPieces::Keep(std::string_view text) {
  const Place place{static_cast<std::uint32_t>(texts_.size()), static_cast<std::uint32_t>(text.size())};
  texts_.append(text);
  longest_ = std::max(longest_, text.size());
  return place;
}

const TextPieces& TextPieces::Gbk() {
  static const TextPieces pieces(TextEncoding::kGbk);
  return pieces;
}

const TextPieces& TextPieces::Utf8() {
  static const TextPieces pieces(TextEncoding::kUtf8);
  return pieces;
}

std::string TextPieces::PillarsText(const Pillars& pillars) const {
  std::string text;
  PutPillars(pillars, [&text](std::string_view piece) { text += piece; });
  return text;
}

// Two digits at a time from a table of pairs.
void WriteIsoDate(const CalendarDate& date, char* into) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  auto pair = [into](int at, unsigned below100) { std::memcpy(into + at, kPairs + 2 * below100, 2); };
  const auto year = static_cast<unsigned>(date.year);
  pair(0, year / 100);
  pair(2, year % 100);
  into[4] = '-';
  pair(5, static_cast<unsigned>(date.month));
  into[7] = '-';
  pair(8, static_cast<unsigned>(date.day));
}

std::string IsoDateText(const CalendarDate& date) {
  std::string text(10, '\0');
  WriteIsoDate(date, text.data());
  return text;
}

}  // namespace tesserin
