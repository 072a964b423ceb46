#include "reading/AnalysisRun.h"

#include "calendar/MonthTables.h"
#include "reading/IndexStages.h"
#include "reading/PersonalityAndStars.h"

namespace tesserin {

AnalysisOutcome AnalysisRun(const AnalysisInput& input) {
  using Kind = Refusal::Kind;
  auto notANumber = [](const DateField& field) { return Refusal{Kind::NotAWholeNumber, field.text}; };

  if (!input.year.number) return notANumber(input.year);
  const int year = *input.year.number;
  if (year > kLastYear || year < kFirstYear) return Refusal{Kind::YearOutOfRange, {}};
  if (!input.month.number) return notANumber(input.month);
  const int month = *input.month.number;
  if (month > 12 || month < 1) return Refusal{Kind::MonthOrDayOutOfRange, {}};
  if (!input.day.number) return notANumber(input.day);
  const int day = *input.day.number;
  if (day > 31 || day < 1) return Refusal{Kind::MonthOrDayOutOfRange, {}};
  // Day 31 passes the range for every month; a day past its month's end would count on into
  // the next month and read a date that nobody typed.
  if (!IsADay(year, month, day, input.mode))
    return Refusal{Kind::NoSuchDay, {}, {year, month, day}, input.mode == CalendarMode::Lunar};

  Reading reading;
  reading.entered = {year, month, day};
  reading.lunarAsked = input.mode == CalendarMode::Lunar;
  reading.pillars = DerivePillars(year, month, day, input.mode, &reading.read);
  RunIndexStages(reading);
  reading.kindness = KindnessIndex(reading.DayPillar());
  return reading;
}

}  // namespace tesserin
