// Every date of the range, in date order: 1950-01-01 to 2025-12-31, every month with days 1
// to 31 (28,272 dates, a day past a month's end among them).
#pragma once

#include <string>
#include <vector>

#include "reading/AnalysisRun.h"

namespace tesserin {

struct Date {
  int year, month, day;
};

inline const std::vector<Date>& AllDates() {
  static const std::vector<Date> dates = [] {
    std::vector<Date> all;
    for (int year = 1950; year <= 2025; ++year)
      for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= 31; ++day) all.push_back({year, month, day});
    return all;
  }();
  return dates;
}

// Those the reading accepts as a run is asked for them, from the texts of the fields: all but
// the days past their month's end that it refuses (27,759 solar, 27,859 lunar).
inline std::vector<AnalysisInput> AllInputs(CalendarMode mode) {
  std::vector<AnalysisInput> inputs;
  for (const Date& d : AllDates())
    if (IsADay(d.year, d.month, d.day, mode))
      inputs.push_back(InputOfTexts(std::to_string(d.year), std::to_string(d.month), std::to_string(d.day), mode));
  return inputs;
}

}  // namespace tesserin
