// What the main page shows around a reading, as plain data: the six result fields, the
// nickname label, the word after the day field in the day label, and whose date the date fields
// hold. The rules: a reading is shown only beside the date it read and the name of the contact
// whose date that is; when a run gives no reading, or while a new contact's profile is being
// read, the page shows no reading at all. The form writes the texts to its controls
// (ui/ReadingBinding_win.cpp); no <windows.h> here.
#pragma once

#include <optional>

#include "base/Gbk.h"
#include "form/Controls.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"

namespace tesserin::ui {

// The texts of the page's controls that follow the reading.
struct MainPageTexts {
  AnalysisDisplay fields;  // the pillar line, the personality memo and the four stars
  GbkString nickname;      // the nickname label (Label7)
  GbkString dayLabel;      // the day label (Label3)
  bool operator==(const MainPageTexts&) const = default;
};

// The day label for the reading shown: "日(农历)" for a lunar reading, "日(公历)" for a solar one and
// "日(按公历)" for a lunar date past its month's end, read as solar. With no reading shown it
// names the day field as at start, "日(农历)": the way Enter and the watcher read it.
const GbkString& DayLabelText(const std::optional<Reading>& shown);

// The year, month and day fields, whose texts make the date; the age field is not one of them.
constexpr bool IsDateField(Ctl id) { return id == Ctl::YearField || id == Ctl::MonthField || id == Ctl::DayField; }

class MainPage {
 public:
  // As the window opens: no reading, "QQ", "日(农历)".
  MainPage();

  // The date fields hold a contact's date just as the watcher filled it in, or as a record row
  // put it back (none: the row of a date typed by hand).
  void DateFilledIn(std::optional<GbkString> nickname);
  // A date field changed, by hand or as the watcher starts to fill them in: from now on the
  // date is nobody's until it is filled in again.
  void DateFieldChanged();

  // The watcher found a new profile window: its nickname, and no reading until its own.
  void ProfileFound(const GbkString& nickname);
  // A reading of the date fields, beside the nickname of the contact whose date they hold.
  void ShowReading(const Reading& reading);
  // A run that gave no reading (a refused date, a conversion error): the captions alone.
  void ShowRefusal();
  // A profile that could not be read: its nickname and the message, no reading. The date
  // fields, which hold what could be read of it, are nobody's date.
  void ShowUnreadable(const GbkString& nickname, const GbkString& message);

  // The reading on the page; none when the page shows none.
  const std::optional<Reading>& ShownReading() const { return shown_; }
  // The contact whose date the date fields hold; none for a date typed by hand.
  const std::optional<GbkString>& DateOwner() const { return owner_; }
  const MainPageTexts& Texts() const { return texts_; }

 private:
  void ShowNoReading(const GbkString& nickname, std::string_view memo);

  std::optional<Reading> shown_;
  std::optional<GbkString> owner_;
  // Kept from one reading to the next, so that its strings keep their memory.
  MainPageTexts texts_;
};

}  // namespace tesserin::ui
