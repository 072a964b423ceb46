// The date index's points of the words of a reading's personality text (DatePointsOfWords).
// A reading's text is one of 120: a day pillar's description, without or with the late-marriage
// note.
#pragma once

namespace tesserin {

// Worked out from the text itself, as the window shows it: the reference of the table that the
// readings look up (data/PersonalityWordPoints.inc), and the maker of that table.
int WordPointsByTheText(int dayPillar, bool noted);

// Looked up in the table made before the build.
int WordPointsOf(int dayPillar, bool noted);

}  // namespace tesserin
