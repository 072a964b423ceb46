// Each tuned piece of the reading beside the plain way that the code keeps as its reference, as
// passes over the same inputs drawn from every date of the range: BM_TunedPiece
// (tuned_pieces_bench.cpp) times them, and `bench/count-instructions --pieces` counts their
// instructions (reading_count PIECE). A pass returns a checksum of what it made, the same for
// the two ways of a piece.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "EveryDate.h"
#include "base/WholeNumber.h"
#include "calendar/MonthTables.h"
#include "cli/LineCursor.h"
#include "reading/PersonalityAndStars.h"
#include "reading/ReadingText.h"
#include "reading/TextPieces.h"
#include "tengod/PillarScores.h"

namespace tesserin {

struct TunedPieceWork {
  std::vector<std::array<std::string, 3>> fieldTexts;  // every date's three fields as typed
  std::vector<Reading> readings;      // every date's reading, lunar then solar
  // Every row of both tables with every day that DerivePillars reads in it: a lunar row up to
  // its span and day 30, a solar row up to day 31.
  std::vector<std::pair<const MonthRow*, int>> rowDays;
};

inline const TunedPieceWork& TheTunedPieceWork() {
  static const TunedPieceWork work = [] {
    TunedPieceWork w;
    for (const Date& d : AllDates())
      w.fieldTexts.push_back({std::to_string(d.year), std::to_string(d.month), std::to_string(d.day)});
    for (CalendarMode mode : {CalendarMode::Lunar, CalendarMode::Solar})
      for (const AnalysisInput& input : AllInputs(mode)) w.readings.push_back(std::get<Reading>(AnalysisRun(input)));
    for (int row = 0; row < RowOf(kLastYear, 12) + 1; ++row) {
      const MonthRow& lunar = LunarMonthTable()[row];
      for (int day = 1; day <= 30 && day <= lunar.span; ++day) w.rowDays.push_back({&lunar, day});
      for (int day = 1; day <= 31; ++day) w.rowDays.push_back({&SolarMonthTable()[row], day});
    }
    return w;
  }();
  return work;
}

namespace tuned_pieces {

template <PillarScores (*Scores)(const Pillars&)>
std::uint64_t ScoresPass(const TunedPieceWork& w) {
  std::uint64_t sum = 0;
  for (const Reading& r : w.readings) sum += Scores(r.pillars).datePoints;
  return sum;
}

template <void (*Write)(int, GbkString&)>
std::uint64_t StarsPass(const TunedPieceWork& w) {
  AnalysisDisplay fields = AnalysisDisplay::Initial();
  std::uint64_t sum = 0;
  for (const Reading& r : w.readings) {
    Write(r.libido, fields.LibidoStars);
    Write(r.date, fields.DateStars);
    Write(r.kindness, fields.KindnessStars);
    Write(r.money, fields.MoneyStars);
    sum += static_cast<unsigned char>(fields.MoneyStars[9]);
  }
  return sum;
}

template <void (*Write)(const Pillars&, GbkString&)>
std::uint64_t PillarLinePass(const TunedPieceWork& w) {
  GbkString line = AnalysisDisplay::Initial().PillarLine;
  std::uint64_t sum = 0;
  for (const Reading& r : w.readings) {
    Write(r.pillars, line);
    sum += static_cast<unsigned char>(line[19]);
  }
  return sum;
}

template <CalendarDate (*SolarDate)(const MonthRow&, int)>
std::uint64_t SolarDatePass(const TunedPieceWork& w) {
  std::uint64_t sum = 0;
  for (const auto& [row, day] : w.rowDays) {
    const CalendarDate date = SolarDate(*row, day);
    sum += static_cast<std::uint64_t>(date.year * 372 + date.month * 31 + date.day);
  }
  return sum;
}

// The pieces of TextPieces that a batch line puts for a reading (the caption, the pillar line,
// the pillars, the chart, the personality and the four rows of stars), written at a cursor.
template <void (LineCursor::*Put)(std::string_view)>
std::uint64_t JsonPiecesPass(const TunedPieceWork& w) {
  const TextPieces& t = TextPieces::Utf8();
  static char line[1024];
  std::uint64_t sum = 0;
  for (const Reading& r : w.readings) {
    LineCursor at(line, sizeof line - LineCursor::kBlock);
    auto put = [&at](std::string_view piece) { (at.*Put)(piece); };
    t.PutPillarLine(r.pillars, put);
    for (PillarPlace place : {kYearPillar, kMonthPillar, kDayPillar}) put(t.Pillar(r.pillars.Entry(place)));
    t.PutChart(r.pillars, r.chart, put);
    t.PutPersonality(r, put);
    for (int score : {r.libido, r.date, r.kindness, r.money}) put(t.Stars(score));
    sum += static_cast<std::uint64_t>(at.At() - line) + static_cast<unsigned char>(at.At()[-1]);
  }
  return sum;
}

template <std::optional<int> (*Read)(std::string_view)>
std::uint64_t NumberPass(const TunedPieceWork& w) {
  std::uint64_t sum = 0;
  for (const auto& [year, month, day] : w.fieldTexts)
    sum += static_cast<std::uint64_t>(*Read(year) + *Read(month) + *Read(day));
  return sum;
}

}  // namespace tuned_pieces

// The items a pass goes through: the readings (each with its four stars), the days of the rows,
// the dates (each with its three fields).
enum class TunedItems { kReadings, kRowDays, kDates };

struct TunedPiece {
  const char* name;  // the piece, then how: the tuned way first, its plain way after it
  std::uint64_t (*pass)(const TunedPieceWork&);
  TunedItems items;
};

inline std::size_t ItemCount(TunedItems items, const TunedPieceWork& w) {
  switch (items) {
    case TunedItems::kReadings: return w.readings.size();
    case TunedItems::kRowDays: return w.rowDays.size();
    case TunedItems::kDates: return w.fieldTexts.size();
  }
  return 0;
}

inline constexpr TunedPiece kTunedPieces[] = {
    {"scores/table", tuned_pieces::ScoresPass<ScoresOf>, TunedItems::kReadings},
    {"scores/rules", tuned_pieces::ScoresPass<ScoresByTheRules>, TunedItems::kReadings},
    {"stars/copied", tuned_pieces::StarsPass<WriteStars>, TunedItems::kReadings},
    {"stars/assigned", tuned_pieces::StarsPass<WriteStarsByAssign>, TunedItems::kReadings},
    {"pillar_line/in_place", tuned_pieces::PillarLinePass<WritePillarLine>, TunedItems::kReadings},
    {"pillar_line/appended", tuned_pieces::PillarLinePass<WritePillarLineByAppending>, TunedItems::kReadings},
    {"solar_date/steps", tuned_pieces::SolarDatePass<SolarDateOf>, TunedItems::kRowDays},
    {"solar_date/day_numbers", tuned_pieces::SolarDatePass<SolarDateByDayNumbers>, TunedItems::kRowDays},
    {"number/short_way", tuned_pieces::NumberPass<ReadWholeNumber>, TunedItems::kDates},
    {"number/by_the_rule", tuned_pieces::NumberPass<ReadWholeNumberByTheRule>, TunedItems::kDates},
    {"json_pieces/padded", tuned_pieces::JsonPiecesPass<&LineCursor::PutPadded>, TunedItems::kReadings},
    {"json_pieces/exact", tuned_pieces::JsonPiecesPass<&LineCursor::Put>, TunedItems::kReadings},
};

}  // namespace tesserin
