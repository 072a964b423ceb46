#include "reading/AnalysisRun.h"

#include "base/GbkLiteral.h"
#include "base/WholeNumber.h"
#include "reading/IndexStages.h"
#include "calendar/MonthTables.h"
#include "reading/Ratings.h"

namespace tesserin {

namespace {

const GbkLiteral kYearMessage{"本程序只计算1950～2025年间的数据"};
const GbkLiteral kMonthDayMessage{"月或日数据超出正常范围"};

AnalysisOutcome Run(std::string_view calendarMode, const AnalysisInput& input) {
  const int year = ParseWholeNumber(input.YearText);
  if (year > kLastYear || year < kFirstYear) return Refusal{Refusal::Kind::YearOutOfRange, kYearMessage.Text()};
  const int month = ParseWholeNumber(input.MonthText);
  if (month > 12 || month < 1) return Refusal{Refusal::Kind::MonthOrDayOutOfRange, kMonthDayMessage.Text()};
  const int day = ParseWholeNumber(input.DayText);
  if (day > 31 || day < 1) return Refusal{Refusal::Kind::MonthOrDayOutOfRange, kMonthDayMessage.Text()};

  Reading reading;
  reading.entered = {year, month, day};
  reading.lunarAsked = IsLunarMode(calendarMode);
  reading.pillars = DerivePillars(year, month, day, calendarMode, &reading.read);
  RunIndexStages(reading);
  reading.kindness = KindnessIndex(reading.DayPillar());
  return reading;
}

}  // namespace

AnalysisOutcome AnalysisRun(std::string_view calendarMode, const AnalysisInput& input) {
  try {
    return Run(calendarMode, input);
  } catch (const ConversionError& error) {
    return Refusal{Refusal::Kind::NotAWholeNumber, error.Message()};
  }
}

}  // namespace tesserin
