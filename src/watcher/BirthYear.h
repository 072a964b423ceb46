// The birth year of a contact whose profile shows only age, month and day.
#pragma once

#include <optional>
#include <string_view>

namespace tesserin {

struct LocalDate {
  int year;
  int month;
  int day;
};

// This year minus the age, one less when the birthday is still to come this year. Month and
// day are compared with today's as plain numbers (a lunar birthday is compared as it is shown).
int InferBirthYear(int age, int month, int day, LocalDate today);

// A recognised field as a number: its text must be ASCII digits (at most nine); "" and
// anything else give no number.
std::optional<int> RecognisedNumber(std::string_view text);

}  // namespace tesserin
