// The key rules of the date fields. A discarded key becomes the null character, and the later
// steps look at that, not at the key as typed: a refused Enter or Backspace is no longer one.
#include "form/KeyRules.h"

namespace tesserin::ui {
namespace {

constexpr char32_t kNull = 0;

bool Accepted(char32_t key) {
  return key == kBackspace || key == kEnter || (key >= U'0' && key <= U'9');
}

// Steps shared by both handlers: the filter, and the leading-zero test on the text as it would
// read with the key added at its end (wherever the caret stands).
char32_t Filter(std::string_view text, char32_t key) {
  if (!Accepted(key)) return kNull;
  char32_t first = text.empty() ? key : static_cast<unsigned char>(text.front());
  return first == U'0' ? kNull : key;
}

// The day field (the designer's Edit3KeyPress).
KeyOutcome DayKeyPress(std::string_view text, char32_t key) {
  key = Filter(text, key);
  return {.discard = key == kNull, .runLunar = key == kEnter};
}

// The year and the month field (the designer's Edit4KeyPress, which serves both).
KeyOutcome YearOrMonthKeyPress(KeyRule field, std::string_view text, char32_t key) {
  key = Filter(text, key);
  KeyOutcome out{.discard = key == kNull};
  if (key == kBackspace) return out;
  const bool month = field == KeyRule::Month;
  const bool year = field == KeyRule::Year;
  if (key == kEnter ||
      (month && key >= U'2' && key <= U'9') ||
      (year && text.size() == 3) ||
      (month && !text.empty()))
    out.moveFocus = true;
  return out;
}

}  // namespace

KeyOutcome KeyPress(KeyRule rule, std::string_view text, char32_t key) {
  if (key == kCopy || key == kPaste) return {};
  switch (rule) {
    case KeyRule::Day: return DayKeyPress(text, key);
    case KeyRule::Year:
    case KeyRule::Month: return YearOrMonthKeyPress(rule, text, key);
    case KeyRule::None: break;
  }
  return {};
}

}  // namespace tesserin::ui
