// The value a reading returns: the pillars of a date and everything worked out from them. The
// window, the copy, the record and the command-line reader turn it into text (ReadingText.h).
#pragma once

#include "calendar/CalendarDate.h"
#include "calendar/DerivePillars.h"
#include "cycle/Pillars.h"
#include "tengod/TenGod.h"

namespace tesserin {

// What a reading found. The personality text is the day pillar's row of the personality
// table, followed by the late-marriage note when lateMarriageNote is set.
struct Reading {
  Pillars pillars;
  GodChart chart;
  int libido = 0, date = 0, kindness = 0, money = 0;  // the four ratings, 0..5 stars (date: the date index)
  int marriage = 0;                                   // the late-marriage grade
  bool lateMarriageNote = false;                      // the grade is above 3
  CalendarDate entered;      // the date as entered, read as numbers
  bool lunarAsked = false;   // asked for as a lunar date (CalendarMode::Lunar)
  DateRead read;             // the solar date the pillars belong to, and whether read as lunar

  int DayPillar() const { return pillars.Entry(kDayPillar); }
  bool operator==(const Reading&) const = default;
};

}  // namespace tesserin
