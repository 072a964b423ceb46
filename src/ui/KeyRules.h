// The key rules of the date fields, as pure functions of the field's text and the typed
// character. The form applies the outcome: it moves the focus first, then lets the field
// insert the character (so a character that is not discarded lands in the field it was typed
// into, even when the focus moves on), then runs the reading.
#pragma once

#include <string_view>

namespace tesserin::ui {

inline constexpr char32_t kBackspace = 8;
inline constexpr char32_t kEnter = 13;

struct KeyOutcome {
  bool discard = false;    // the field does not see the character
  bool moveFocus = false;  // the focus moves to the next control in tab order
  bool runLunar = false;   // the reading runs in lunar mode ("1")
  bool operator==(const KeyOutcome&) const = default;
};

// The day field Edit3: digits, Backspace and Enter, no leading zero; Enter runs the lunar reading.
KeyOutcome Edit3KeyPress(std::string_view text, char32_t key);

// The year field Edit4 and the month field Edit2, told apart by fieldName ("Edit4" or "Edit2"):
// the same filter, and the focus moves on once the field is complete.
KeyOutcome Edit4KeyPress(std::string_view fieldName, std::string_view text, char32_t key);

}  // namespace tesserin::ui
