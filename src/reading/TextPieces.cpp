#include "reading/TextPieces.h"

#include <algorithm>
#include <cstring>

#include "base/Gbk.h"
#include "cycle/CycleTable.h"
#include "reading/PersonalityAndStars.h"

namespace tesserin {

// Where the pieces of one encoding come from: the texts of the tables, and the literals of this
// file (UTF-8 in the source) as that encoding writes them.
struct TextSources {
  std::string (*literal)(std::string_view utf8);
  std::string_view (*stem)(StemName);
  std::string_view (*branch)(BranchName);
  std::string_view (*godName)(GodName);
  std::string_view (*description)(int dayPillar);
  std::string_view (*stars)(int n);
};

namespace {

constexpr std::string_view kPillarCaption = "八字：";
constexpr std::string_view kCaptions[kFieldCaptionCount] = {"性格总论：", "性欲指数：", "可约指数：", "善良指数：",
                                                            "要钱指数："};
constexpr std::string_view kNoteComma = "，";
constexpr std::string_view kNote = "，女晚婚或离婚";
constexpr std::string_view kHowRead[] = {"农历", "公历", "按公历"};  // by HowRead
constexpr std::string_view kDayOrigin = "日元";

std::string Same(std::string_view text) { return std::string(text); }
std::string ToGbk(std::string_view utf8) { return tesserin::Gbk(utf8); }

// Code page 936: the tables' own texts, which the reading works on, and the literals converted.
constexpr TextSources kGbkSources = {ToGbk, StemText, BranchText, GodNameText, PersonalityOf, StarText};
// UTF-8: every text as the source writes it, so that nothing is converted.
constexpr TextSources kUtf8Sources = {Same, StemUtf8, BranchUtf8, GodNameUtf8, PersonalityUtf8, StarTextUtf8};

}  // namespace

HowRead HowReadOf(const Reading& reading) {
  if (!reading.lunarAsked) return HowRead::Solar;
  return reading.read.asLunar ? HowRead::Lunar : HowRead::LunarAsSolar;
}

TextPieces::TextPieces(const TextSources& from) {
  pillarCaption_ = Keep(from.literal(kPillarCaption));
  for (int k = 0; k < kFieldCaptionCount; ++k) captions_[k] = Keep(from.literal(kCaptions[k]));
  note_ = Keep(from.literal(kNote));
  noteCommaSize_ = from.literal(kNoteComma).size();
  for (int k = 0; k < 3; ++k) howRead_[k] = Keep(from.literal(kHowRead[k]));
  const std::string blank = from.literal(" ");
  for (int i = 0; i < kCycleLength; ++i) {
    const std::string pillar = std::string(from.stem(StemOf(i))).append(from.branch(BranchOf(i)));
    pillars_[i] = Keep(pillar);
    pillarsWithBlank_[i] = Keep(pillar + blank);
    descriptions_[i] = Keep(from.description(i));
  }
  for (int n = 0; n <= 5; ++n) stars_[n] = Keep(from.stars(n));
  const std::string dayOrigin = from.literal(kDayOrigin);
  for (int year = 0; year < 10; ++year)
    for (int month = 0; month < 10; ++month)
      stemGods_[year][month] = Keep(std::string(from.godName(static_cast<GodName>(year)))
                                        .append(from.godName(static_cast<GodName>(month)))
                                        .append(dayOrigin));
  for (int b = 0; b < 12; ++b)
    for (int g = 0; g < 10; ++g)
      branchGods_[b][g] = Keep(std::string(from.branch(static_cast<BranchName>(b))).append(from.godName(static_cast<GodName>(g))));
  texts_.append(kReadablePast, ' ');
}

TextPieces::Place TextPieces::Keep(std::string_view text) {
  const Place place{static_cast<std::uint32_t>(texts_.size()), static_cast<std::uint32_t>(text.size())};
  texts_.append(text);
  longest_ = std::max(longest_, text.size());
  return place;
}

const TextPieces& TextPieces::Gbk() {
  static const TextPieces pieces(kGbkSources);
  return pieces;
}

const TextPieces& TextPieces::Utf8() {
  static const TextPieces pieces(kUtf8Sources);
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
