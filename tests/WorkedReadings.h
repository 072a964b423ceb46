// Two readings worked out by hand from the calendar tables and the rating rules, shared by the
// tests of the analysis run and of the window. Texts in UTF-8.
#pragma once

#include "calendar/DerivePillars.h"

namespace tesserin::testing {

struct WorkedReading {
  const char* what;
  CalendarMode mode;
  const char* year;
  const char* month;
  const char* day;
  const char* pillarLine;   // Label4
  const char* personality;  // Memo1
  const char* libido;       // Label11
  const char* date;         // Label12
  const char* kindness;     // Label14
  const char* money;        // Label16
};

inline constexpr WorkedReading kSolar1950_1_7 = {
    "solar 1950-01-07, with the note", CalendarMode::Solar, "1950", "1", "7", "八字：己丑 丁丑 壬寅",
    "性格温和善良，人缘佳，思多行少，喜研究爱学习。女命夫运差，中年易丧夫，女晚婚或离婚", "★☆☆☆☆",
    "★★★★☆", "★★★☆☆", "☆☆☆☆☆"};

inline constexpr WorkedReading kLunar1990_5_12 = {
    "lunar 1990-05-12, no note", CalendarMode::Lunar, "1990", "5", "12", "八字：庚午 辛巳 庚子",
    "聪明刚强正直，追求完美，对别人要求过高，女人爱追求年长的异性，婚姻不佳", "★★★★★", "★★★★★",
    "★★★☆☆", "☆☆☆☆☆"};

}  // namespace tesserin::testing
