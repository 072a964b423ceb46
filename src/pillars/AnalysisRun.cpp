#include "pillars/AnalysisRun.h"

#include "base/WholeNumber.h"
#include "pillars/IndexStages.h"
#include "pillars/MonthTables.h"
#include "pillars/Ratings.h"

namespace tesserin {

namespace {

const GbkString& YearMessage() {
  static const GbkString text = Gbk("本程序只计算1950～2025年间的数据");
  return text;
}

const GbkString& MonthDayMessage() {
  static const GbkString text = Gbk("月或日数据超出正常范围");
  return text;
}

AnalysisOutcome Run(std::string_view calendarMode, const AnalysisInput& input) {
  const int year = ParseWholeNumber(input.YearText);
  if (year > kLastYear || year < kFirstYear) return Refusal{Refusal::Kind::YearOutOfRange, YearMessage()};
  const int month = ParseWholeNumber(input.MonthText);
  if (month > 12 || month < 1) return Refusal{Refusal::Kind::MonthOrDayOutOfRange, MonthDayMessage()};
  const int day = ParseWholeNumber(input.DayText);
  if (day > 31 || day < 1) return Refusal{Refusal::Kind::MonthOrDayOutOfRange, MonthDayMessage()};

  Reading reading;
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
