// The pieces that every text of a reading is made of, in the encoding of the edge that writes
// it: code page 936 for the window, its record and its copy; UTF-8 for the command-line reader.
// Both come from the same tables and literals, and the pieces are put together here only, so a
// reading reads the same wherever it is shown. The code page 936 pieces are the tables' texts
// that the reading works on; the UTF-8 ones are the texts as the source writes them, so that
// the reader converts nothing before its first line.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "cycle/Pillars.h"
#include "reading/PersonalityAndStars.h"
#include "reading/Reading.h"
#include "tengod/TenGod.h"

namespace tesserin {

// How a reading read its date: as the lunar date asked for, as the solar date asked for, or,
// asked for as lunar but past its lunar month's end, as the solar date of the same numbers.
enum class HowRead { Lunar, Solar, LunarAsSolar };
HowRead HowReadOf(const Reading& reading);
// How a date was read, as the command-line reader's read_as says it: "lunar" or "solar".
constexpr std::string_view ReadAsWord(const DateRead& read) { return read.asLunar ? "lunar" : "solar"; }

// The captions of the five result fields after the 八字 line, in the window's order.
enum class FieldCaption { Personality, Libido, Date, Kindness, Money };
inline constexpr int kFieldCaptionCount = 5;

class TextPieces {
 public:
  static const TextPieces& Gbk();
  static const TextPieces& Utf8();

  // Every piece stands in one buffer of the module's own, and behind each at least this many of
  // its bytes can be read, so that a writer may copy a piece in blocks of 16 bytes
  // (LineCursor::PutPadded in the command-line reader). The Put functions below put these
  // pieces only.
  static constexpr std::size_t kReadablePast = 16;

  std::string_view PillarCaption() const { return View(pillarCaption_); }  // 八字：
  std::string_view Caption(FieldCaption field) const { return View(captions_[static_cast<int>(field)]); }
  std::string_view Pillar(int entry) const { return View(pillars_[entry]); }
  // The personality text of a day pillar without the note.
  std::string_view Description(int dayPillar) const { return View(descriptions_[dayPillar]); }
  // The note as it follows the personality text, "，女晚婚或离婚", and the same without its
  // joining comma.
  std::string_view Note() const { return View(note_); }
  std::string_view NoteAlone() const { return Note().substr(noteCommaSize_); }
  // n filled stars then 5 - n hollow ones, n clamped to 0..5 (StarCount).
  std::string_view Stars(int n) const { return View(stars_[StarCount(n)]); }
  // 农历, 公历, 按公历.
  std::string_view HowReadWord(HowRead how) const { return View(howRead_[static_cast<int>(how)]); }
  // The longest of the pieces, for a writer that makes room for its pieces before it puts them.
  std::size_t Longest() const { return longest_; }

  // The 八字 line: the caption, then the three pillars between blanks.
  template <class Put>
  void PutPillarLine(const Pillars& pillars, Put&& put) const {
    put(PillarCaption());
    PutPillars(pillars, put);
  }
  // The three pillars between blanks: 庚午 辛巳 庚子.
  template <class Put>
  void PutPillars(const Pillars& pillars, Put&& put) const {
    put(View(pillarsWithBlank_[pillars.Entry(kYearPillar)])), put(View(pillarsWithBlank_[pillars.Entry(kMonthPillar)]));
    put(Pillar(pillars.Entry(kDayPillar)));
  }
  // The ten-god chart: the names of the year and month stems and "日元", then each of the year,
  // month and day branches followed by its name.
  template <class Put>
  void PutChart(const Pillars& p, const GodChart& chart, Put&& put) const {
    put(View(stemGods_[chart[kYearStem]][chart[kMonthStem]]));
    put(View(branchGods_[p.Branch(kYearPillar)][chart[kYearBranch]]));
    put(View(branchGods_[p.Branch(kMonthPillar)][chart[kMonthBranch]]));
    put(View(branchGods_[p.Branch(kDayPillar)][chart[kDayBranch]]));
  }
  // The personality text, with the note where the reading has it.
  template <class Put>
  void PutPersonality(const Reading& reading, Put&& put) const {
    put(Description(reading.DayPillar()));
    if (reading.lateMarriageNote) put(Note());
  }

  std::string PillarsText(const Pillars& pillars) const;

 private:
  // Where a piece stands in texts_.
  struct Place {
    std::uint32_t at = 0, size = 0;
  };

  explicit TextPieces(TextEncoding encoding);
  Place Keep(std::string_view text);
  std::string_view View(Place place) const { return {texts_.data() + place.at, place.size}; }

  std::string texts_;  // every piece, one after another, then kReadablePast blanks
  Place pillarCaption_, note_;
  std::size_t noteCommaSize_ = 0, longest_ = 0;
  std::array<Place, kFieldCaptionCount> captions_;
  std::array<Place, kCycleLength> pillars_, pillarsWithBlank_, descriptions_;
  std::array<Place, 6> stars_;
  std::array<Place, 3> howRead_;
  std::array<std::array<Place, 10>, 10> stemGods_;    // by the year's and the month's name
  std::array<std::array<Place, 10>, 12> branchGods_;  // a branch followed by a name
};

// The date as YYYY-MM-DD: into 10 bytes in place, or as text.
void WriteIsoDate(const CalendarDate& date, char* into);
std::string IsoDateText(const CalendarDate& date);

}  // namespace tesserin
