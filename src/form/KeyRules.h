// The key rules of the date fields, as pure functions of the field's text around the caret and
// the typed character. The form applies the outcome: it moves the focus first, then lets the field
// insert the character (so a character that is not discarded lands in the field it was typed
// into, even when the focus moves on), then runs the reading.
#pragma once

#include <string_view>

namespace tesserin::ui {

inline constexpr char32_t kBackspace = 8;
inline constexpr char32_t kEnter = 13;
// The characters that Ctrl+C and Ctrl+V give an edit field, which copies or pastes on them.
inline constexpr char32_t kCopy = 3;
inline constexpr char32_t kPaste = 22;

// The rule a field follows; each field's row in the form's table names its own.
enum class KeyRule {
  None,   // every key is the field's own (the age field)
  Year,   // the year field (Edit4)
  Month,  // the month field (Edit2), which follows the year's rule with its own focus moves
  Day,    // the day field (Edit3)
};

// A field's text as the typed key finds it: what stands before the caret and after it. A
// selection is left out of both, since the key replaces it: the rules look at the text as it
// will be after the key, not at a selection that is about to go.
struct TextAroundCaret {
  std::string_view before, after;
  // The caret at the end of the text, nothing selected: as after typing.
  static TextAroundCaret AtEnd(std::string_view text) { return {text, {}}; }
};

struct KeyOutcome {
  bool discard = false;    // the field does not see the character
  bool moveFocus = false;  // the focus moves to the next control in tab order
  bool runLunar = false;   // the reading runs, reading the date as lunar
  bool operator==(const KeyOutcome&) const = default;
};

// What a typed character does in a field of the rule. The day field: digits, Backspace and
// Enter, no leading zero in the text the key leaves; Enter runs the lunar reading. The year and the month field: the same
// filter, and the focus moves on once the field is complete; a month's first digit moves on,
// but for a 1, which waits for a second digit: no month is 2 to 9 followed by a digit.
// KeyRule::None: the key as typed. Ctrl+C and Ctrl+V are no typing: every field copies and
// pastes on them, as with the commands of its context menu (a pasted text is the field's as it
// stands; the reading tells a text that is no whole number).
KeyOutcome KeyPress(KeyRule rule, TextAroundCaret text, char32_t key);

}  // namespace tesserin::ui
