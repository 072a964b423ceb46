#include "reading/AnalysisRun.h"

#include "calendar/MonthTables.h"
#include "reading/IndexStages.h"
#include "reading/PersonalityAndStars.h"

namespace tesserin {

AnalysisOutcome AnalysisRun(const AnalysisInput& input) {
  using Kind = Refusal::Kind;
  auto refused = [](Kind kind, DatePart part, const DateField& field) { return Refusal{kind, part, field.text}; };

  if (!input.year.number) return refused(Kind::NotAWholeNumber, DatePart::Year, input.year);
  const int year = *input.year.number;
  if (year > kLastYear || year < kFirstYear) return refused(Kind::YearOutOfRange, DatePart::Year, input.year);
  if (!input.month.number) return refused(Kind::NotAWholeNumber, DatePart::Month, input.month);
  const int month = *input.month.number;
  if (month > 12 || month < 1) return refused(Kind::MonthOrDayOutOfRange, DatePart::Month, input.month);
  if (!input.day.number) return refused(Kind::NotAWholeNumber, DatePart::Day, input.day);
  const int day = *input.day.number;
  if (day > 31 || day < 1) return refused(Kind::MonthOrDayOutOfRange, DatePart::Day, input.day);
  // Day 31 passes the range for every month; a day past its month's end would count on into
  // the next month and read a date that nobody typed.
  if (!IsADay(year, month, day, input.mode)) {
    Refusal refusal = refused(Kind::NoSuchDay, DatePart::Day, input.day);
    refusal.date = {year, month, day};
    refusal.lunarAsked = input.mode == CalendarMode::Lunar;
    return refusal;
  }

  Reading reading;
  reading.entered = {year, month, day};
  reading.lunarAsked = input.mode == CalendarMode::Lunar;
  reading.pillars = DerivePillars(year, month, day, input.mode, &reading.read);
  RunIndexStages(reading);
  reading.kindness = KindnessIndex(reading.DayPillar());
  return reading;
}

}  // namespace tesserin
