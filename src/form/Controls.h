// The main form's controls, one name each: the window code, the key rules, the profile
// watcher's view of the form and the tests all use these. No <windows.h> here.
#pragma once

namespace tesserin::ui {

// Named by what they show, in creation order, which is also the order of the form's table of
// controls (form/Layout.h); the table keeps each control's designer name (Edit4, Label11, ...)
// beside it.
enum class Ctl {
  AgeCaption, AgeField, SolarButton, BornCaption, YearCaption, YearField, MonthCaption, MonthField,
  DayLabel, DayField, AutoCloseBox, PersonalityCaption, PersonalityMemo, NicknameLabel, PillarLine,
  LibidoCaption, LibidoStars, DateCaption, DateStars, KindnessCaption, KindnessStars,
  MoneyCaption, MoneyStars, HelpText, NoteText, VersionText, RecordList,
  Count
};
inline constexpr int kCtlCount = static_cast<int>(Ctl::Count);

}  // namespace tesserin::ui
