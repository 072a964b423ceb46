// The year, month and day pillars of a birth date, read as a lunar or as a solar date.
#pragma once

#include <string_view>

#include "cycle/Pillars.h"

namespace tesserin {

// `calendarMode` "1" reads month and day as a lunar date (a day past the end of its lunar month
// is read as a solar date); any other text as a solar date. Year 1950..2025, month 1..12 and
// day 1..31 are the caller's to check; outside them std::out_of_range is thrown.
Pillars DerivePillars(int year, int month, int day, std::string_view calendarMode);

}  // namespace tesserin
