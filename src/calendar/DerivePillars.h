// The year, month and day pillars of a birth date, read as a lunar or as a solar date.
#pragma once

#include "cycle/Pillars.h"
#include "calendar/CalendarDate.h"

namespace tesserin {

// How a date was read: the solar date whose pillars it gets, and whether it was read as a lunar
// date (false for a solar reading and for a lunar date that fell back to the solar reading).
struct DateRead {
  CalendarDate solar;
  bool asLunar = false;
  bool operator==(const DateRead&) const = default;
};

// How the month and day of a date are read.
enum class CalendarMode {
  Solar,
  Lunar,  // a day past the end of its lunar month is read as the solar date of the same numbers
};

// The pillars of the date read as `mode` says. Year 1950..2025, month 1..12 and
// day 1..31 are the caller's to check; outside them std::out_of_range is thrown. With `read`,
// also says how the date was read. A solar day past its month's end is counted on (30 February
// gets the pillars of 2 March): the analysis run refuses such a day (IsADay) before it gets
// here, and the tables' maker sweeps days 1..31 of every month.
Pillars DerivePillars(int year, int month, int day, CalendarMode mode, DateRead* read = nullptr);

// Whether the date names a day its calendar has, read as `mode` says: a lunar day within its
// month, or else, read as solar (a lunar day past its month's end included), a day within its
// solar month. 2000-02-29 solar is a day; 1990-02-29 and 1990-04-31 are not. Same range and
// throw as DerivePillars.
bool IsADay(int year, int month, int day, CalendarMode mode);

}  // namespace tesserin
