#include "pillars/AnalysisRun.h"

#include <array>
#include <cstring>
#include <stdexcept>

#include "base/BusyGuard.h"
#include "pillars/DerivePillars.h"
#include "pillars/IndexStages.h"
#include "pillars/MonthTables.h"
#include "pillars/Ratings.h"

namespace tesserin {

bool AnalysisBusy = false;

namespace {

struct Texts {
  GbkString pillarCaption = Gbk("八字：");
  GbkString yearMessage = Gbk("本程序只计算1950～2025年间的数据");
  GbkString monthDayMessage = Gbk("月或日数据超出正常范围");
  // The pillar line: the caption (6 bytes) and three pillars (4 bytes each) between blanks.
  static constexpr std::size_t kCaptionSize = 6, kLineSize = kCaptionSize + 3 * 4 + 2;
  std::array<std::array<char, 4>, kCycleLength> pillars;

  Texts() {
    if (pillarCaption.size() != kCaptionSize) throw std::logic_error("pillar caption not 6 bytes");
    for (int i = 0; i < kCycleLength; ++i) CycleEntry(i).copy(pillars[i].data(), 4);
  }
};

const Texts& TheTexts() {
  static const Texts texts;
  return texts;
}

// The line is always 20 bytes: the field keeps them from one reading to the next, and a run
// only copies the pieces over.
void WritePillarLine(const Pillars& pillars, GbkString& line) {
  const Texts& t = TheTexts();
  line.resize(Texts::kLineSize);
  char* at = line.data();
  std::memcpy(at, t.pillarCaption.data(), Texts::kCaptionSize);
  at += Texts::kCaptionSize;
  for (PillarPlace place : {kYearPillar, kMonthPillar, kDayPillar}) {
    if (place != kYearPillar) *at++ = ' ';
    std::memcpy(at, t.pillars[pillars.Entry(place)].data(), 4);
    at += 4;
  }
}

}  // namespace

AnalysisDisplay AnalysisDisplay::Initial() {
  AnalysisDisplay d;
  d.PillarLine = TheTexts().pillarCaption;
  d.LibidoStars = d.DateStars = d.KindnessStars = d.MoneyStars = " ";
  return d;
}

void AnalysisRun(std::string_view calendarMode, const AnalysisInput& input, AnalysisDisplay& display,
                 const Notice& showMessage, AnalysisDetail* detail) {
  // A notice box keeps the message loop running: a tick or a key press may land here while the
  // first run waits for its box to close.
  if (AnalysisBusy) return;
  BusyGuard guard(AnalysisBusy);
  if (detail) detail->completed = false;

  display.PersonalityText.clear();

  // Each field is read only when its check comes: a bad year hides an empty month.
  int year = ParseWholeNumber(input.YearText);
  if (year > kLastYear || year < kFirstYear) {
    showMessage(TheTexts().yearMessage);
    return;
  }
  int month = ParseWholeNumber(input.MonthText);
  if (month > 12 || month < 1) {
    showMessage(TheTexts().monthDayMessage);
    return;
  }
  int day = ParseWholeNumber(input.DayText);
  if (day > 31 || day < 1) {
    showMessage(TheTexts().monthDayMessage);
    return;
  }

  DateRead read;
  Pillars pillars = DerivePillars(year, month, day, calendarMode, &read);
  WritePillarLine(pillars, display.PillarLine);

  int dayPillar = pillars.Entry(kDayPillar);
  display.PersonalityText.assign(PersonalityOf(dayPillar));

  IndexScores scores = RunIndexStages(pillars, display);

  int kindness = KindnessIndex(dayPillar);
  WriteStars(kindness, display.KindnessStars);

  // Field by field: an assignment of the whole struct was built on the stack and copied, which
  // cost the batch a tenth of its time (the whole process over ten times the 56,544 lines).
  if (detail) {
    detail->completed = true;
    detail->pillars = pillars;
    detail->chart = scores.chart;
    detail->libido = scores.libido, detail->date = scores.date, detail->kindness = kindness;
    detail->money = scores.money, detail->marriage = scores.marriage;
    detail->solarDate = read.solar;
    detail->readAsLunar = read.asLunar;
  }
}

}  // namespace tesserin
