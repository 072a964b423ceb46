// What the main page shows, as one value made from one state: the four entry fields, the
// nickname label, the word after the day field, and the six result fields. The state changes
// only by what happened (a field edited, a profile found or filled in, a run ended, a record row
// put back); the form draws the value whole after each (ui/ReadingBinding_win.cpp), so no
// handler sets a control by itself. No <windows.h> here.
//
// The rules:
// - a reading shows only beside the date it read, in the mode its day label says; a field
//   edited by hand takes it away, and a run that gives none shows the captions alone;
// - the nickname shows only while the date fields are as that contact's profile (or a record
//   row of hers) filled them in; from the moment it changes, the age, year, month and day
//   fields hold only what was read of her, empty where nothing was;
// - a date field edited by hand makes the date nobody's, and takes the contact's age with it.
#pragma once

#include <array>
#include <optional>

#include "base/Gbk.h"
#include "form/Controls.h"
#include "form/ReadingRecord.h"
#include "reading/AnalysisRun.h"
#include "reading/ReadingText.h"

namespace tesserin::ui {

// The entry fields of the main page, in the order of the designer's Edit1 to Edit4 by meaning.
enum class Field { Age, Year, Month, Day, Count };
inline constexpr int kFieldCount = static_cast<int>(Field::Count);
using FieldTexts = std::array<GbkString, kFieldCount>;  // by Field

constexpr Ctl ControlOf(Field field) {
  constexpr Ctl kControlsOfFields[] = {Ctl::AgeField, Ctl::YearField, Ctl::MonthField, Ctl::DayField};
  return kControlsOfFields[static_cast<int>(field)];
}
// The field a control is, or none for any other control.
std::optional<Field> FieldOfControl(Ctl id);

// Everything on the main page that follows the form's state.
struct MainPageView {
  FieldTexts fields;
  GbkString nickname;      // the nickname label (Label7)
  GbkString dayLabel;      // the day label (Label3)
  AnalysisDisplay result;  // the pillar line, the personality memo and the four stars
  bool operator==(const MainPageView&) const = default;
};

// The day label for the reading shown: "日(农历)" for a lunar reading, "日(公历)" for a solar one and
// "日(按公历)" for a lunar date past its month's end, read as solar. With no reading shown it
// names the day field as at start, "日(农历)": the way Enter and the watcher read it.
const GbkString& DayLabelText(const std::optional<Reading>& shown);

class MainPage {
 public:
  // As the window opens: empty fields, no reading, "QQ", "日(农历)".
  MainPage();

  // The user changed a field's text (typing, a paste, a cut). Returns false when the page
  // already held that text: the form's own writes come back this way and change nothing.
  bool Edited(Field field, std::string_view text);

  // The watcher found a new profile window: her nickname, empty fields and no reading until
  // what is read of her is filled in.
  void ProfileFound(const GbkString& nickname);
  // A field filled in from her profile: what was read of her, "" for what was not.
  void ProfileFilled(Field field, std::string_view text);
  // Her profile could not be read: the message in place of a reading, beside her nickname.
  void ProfileUnreadable(const GbkString& message);

  // The date fields as a run reads them.
  AnalysisInput Input(CalendarMode mode) const;
  // A run of Input() ended: its reading shows, or, for a refusal, none.
  void RunEnded(const AnalysisOutcome& outcome);

  // A row of the record put back: its age, date, nickname and reading, as it was shown. False
  // for a row without a reading (an unreadable profile), which changes nothing.
  bool ShowRow(const RecordRow& row);

  const MainPageView& View() const { return view_; }
  // The reading on the page; none when the page shows none.
  const std::optional<Reading>& ShownReading() const { return reading_; }
  // The contact whose date the date fields hold; none for a date typed by hand.
  std::optional<GbkString> DateOwner() const;
  const GbkString& Text(Field field) const { return fields_[static_cast<int>(field)]; }

 private:
  // Whose the fields are: the contact's nickname, and whether the age is still hers (not
  // typed over).
  struct Contact {
    GbkString nickname;
    bool ageIsHers = true;
  };

  void Draw();

  FieldTexts fields_;
  std::optional<Contact> contact_;
  std::optional<Reading> reading_;
  GbkString message_;  // shown in place of a reading: why her profile gave none
  MainPageView view_;
};

}  // namespace tesserin::ui
