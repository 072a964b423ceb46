// The key rules of the date fields. A discarded key becomes the null character, and the later
// steps look at that, not at the key as typed: a refused Enter or Backspace is no longer one.
#include "form/KeyRules.h"

namespace tesserin::ui {
namespace {

constexpr char32_t kNull = 0;

bool Accepted(char32_t key) {
  return key == kBackspace || key == kEnter || (key >= U'0' && key <= U'9');
}

bool IsDigit(char32_t key) { return key >= U'0' && key <= U'9'; }

// The filter shared by all date fields, and the leading-zero test on the text as the key leaves
// it: a digit where the caret stands, any other key adding nothing.
char32_t Filter(TextAroundCaret text, char32_t key) {
  if (!Accepted(key)) return kNull;
  char32_t first = key;
  if (!text.before.empty())
    first = static_cast<unsigned char>(text.before.front());
  else if (!IsDigit(key))
    first = text.after.empty() ? key : static_cast<unsigned char>(text.after.front());
  return first == U'0' ? kNull : key;
}

// The day field (the designer's Edit3KeyPress).
KeyOutcome DayKeyPress(TextAroundCaret text, char32_t key) {
  key = Filter(text, key);
  return {.discard = key == kNull, .runLunar = key == kEnter};
}

// The year and the month field (the designer's Edit4KeyPress, which serves both). The length
// that counts is the text's without its selection: "12" typed over a selected month is 12.
KeyOutcome YearOrMonthKeyPress(KeyRule field, TextAroundCaret text, char32_t key) {
  key = Filter(text, key);
  KeyOutcome out{.discard = key == kNull};
  if (key == kBackspace) return out;
  const std::size_t kept = text.before.size() + text.after.size();
  const bool month = field == KeyRule::Month;
  const bool year = field == KeyRule::Year;
  if (key == kEnter ||
      (month && key >= U'2' && key <= U'9') ||
      (year && kept == 3) ||
      (month && kept > 0))
    out.moveFocus = true;
  return out;
}

}  // namespace

KeyOutcome KeyPress(KeyRule rule, TextAroundCaret text, char32_t key) {
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
