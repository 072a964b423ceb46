// The key rules as pure functions: what happens to each typed character, given the field's text.
#include "form/KeyRules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace tesserin::ui {
namespace {

constexpr KeyOutcome kInsert{};
constexpr KeyOutcome kDiscard{.discard = true};
constexpr KeyOutcome kInsertAndMove{.moveFocus = true};
constexpr KeyOutcome kDiscardAndMove{.discard = true, .moveFocus = true};

struct Case {
  const char* what;
  KeyRule field;  // Year (Edit4) or Month (Edit2)
  const char* text;
  char32_t key;
  KeyOutcome expected;
};

const Case kCases[] = {
    {"year: a digit is inserted", KeyRule::Year, "", U'1', kInsert},
    {"year: zero first is refused", KeyRule::Year, "", U'0', kDiscard},
    {"year: zero after another digit is fine", KeyRule::Year, "1", U'0', kInsert},
    {"year: fourth digit is inserted and moves on", KeyRule::Year, "199", U'0', kInsertAndMove},
    {"year: a letter after three digits moves on", KeyRule::Year, "199", U'a', kDiscardAndMove},
    {"year: a letter before that does nothing", KeyRule::Year, "19", U'a', kDiscard},
    {"year: a fifth digit stays", KeyRule::Year, "1990", U'1', kInsert},
    {"year: Backspace after three digits stays", KeyRule::Year, "199", kBackspace, kInsert},
    {"year: Enter moves on", KeyRule::Year, "", kEnter, kInsertAndMove},
    {"year: a text beginning with 0 refuses Backspace", KeyRule::Year, "0", kBackspace, kDiscard},
    {"year: a text beginning with 0 refuses Enter, which then moves nothing", KeyRule::Year, "0", kEnter, kDiscard},
    {"year: a refused key on a 3-character text moves on", KeyRule::Year, "012", kBackspace, kDiscardAndMove},
    {"year: a non-ASCII character is refused", KeyRule::Year, "", U'年', kDiscard},
    {"month: 4 moves on", KeyRule::Month, "", U'4', kInsertAndMove},
    {"month: 9 moves on", KeyRule::Month, "", U'9', kInsertAndMove},
    {"month: 3 moves on: no month is 3 and a digit", KeyRule::Month, "", U'3', kInsertAndMove},
    {"month: 2 moves on: no month is 2 and a digit", KeyRule::Month, "", U'2', kInsertAndMove},
    {"month: 1 stays, for 10 to 12", KeyRule::Month, "", U'1', kInsert},
    {"month: 2 after 1 moves on", KeyRule::Month, "1", U'2', kInsertAndMove},
    {"month: zero first is refused and stays", KeyRule::Month, "", U'0', kDiscard},
    {"month: zero after 1 moves on", KeyRule::Month, "1", U'0', kInsertAndMove},
    {"month: a letter after a digit moves on", KeyRule::Month, "1", U'x', kDiscardAndMove},
    {"month: a letter in an empty field does nothing", KeyRule::Month, "", U'x', kDiscard},
    {"month: Backspace never moves", KeyRule::Month, "1", kBackspace, kInsert},
    {"month: Enter moves on", KeyRule::Month, "", kEnter, kInsertAndMove},
    {"month: Escape after a digit moves on", KeyRule::Month, "1", 27, kDiscardAndMove},
};

TEST(KeyRules, DateFieldsFilterAndMoveOn) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const KeyOutcome got = KeyPress(c.field, TextAroundCaret::AtEnd(c.text), c.key);
    EXPECT_EQ(got.discard, c.expected.discard);
    EXPECT_EQ(got.moveFocus, c.expected.moveFocus);
    EXPECT_FALSE(got.runLunar);
  }
}

struct DayCase {
  const char* what;
  const char* text;
  char32_t key;
  bool discard;
  bool runLunar;
};

const DayCase kDayCases[] = {
    {"a digit is inserted", "", U'7', false, false},
    {"zero first is refused", "", U'0', true, false},
    {"zero after a digit is fine", "1", U'0', false, false},
    {"Enter runs the lunar reading", "7", kEnter, false, true},
    {"Enter in an empty field runs it too", "", kEnter, false, true},
    {"Enter on a text beginning with 0 is refused and runs nothing", "0", kEnter, true, false},
    {"a letter is refused", "1", U'a', true, false},
    {"Backspace is kept", "12", kBackspace, false, false},
    {"a third digit is kept: the day field has no length rule", "12", U'3', false, false},
};

TEST(KeyRules, DayFieldFiltersAndRunsTheLunarReadingOnEnter) {
  for (const DayCase& c : kDayCases) {
    SCOPED_TRACE(c.what);
    const KeyOutcome got = KeyPress(KeyRule::Day, TextAroundCaret::AtEnd(c.text), c.key);
    EXPECT_EQ(got.discard, c.discard);
    EXPECT_EQ(got.runLunar, c.runLunar);
    EXPECT_FALSE(got.moveFocus);
  }
}

// A key typed over a selection or with the caret inside the text: the rules look at the text as
// the key leaves it, so a selection about to be replaced neither moves the focus on nor
// counts as a leading digit.
TEST(KeyRules, TheTextAsTheKeyLeavesItCounts) {
  struct CaretCase {
    const char* what;
    KeyRule field;
    const char *before, *after;  // the text around the caret, the selection left out
    char32_t key;
    KeyOutcome expected;
  };
  const CaretCase kCaretCases[] = {
      {"year: 1 over the whole year selected starts a new year", KeyRule::Year, "", "", U'1', kInsert},
      {"year: a fourth digit over one selected digit of four moves on", KeyRule::Year, "19", "0", U'9', kInsertAndMove},
      {"month: 1 over a selected 5 waits for the second digit", KeyRule::Month, "", "", U'1', kInsert},
      {"month: 2 after that 1 moves on", KeyRule::Month, "1", "", U'2', kInsertAndMove},
      {"day: 1 over a selected 231 is a new day", KeyRule::Day, "", "", U'1', kInsert},
      {"day: 0 at the front of 12 would lead with zero", KeyRule::Day, "", "12", U'0', kDiscard},
      {"year: 0 at the front of 990 would lead with zero, and the year is complete", KeyRule::Year, "", "990", U'0', kDiscardAndMove},
      {"day: 0 in the middle is fine", KeyRule::Day, "1", "2", U'0', kInsert},
      {"day: Enter with the caret before a leading 0 is refused", KeyRule::Day, "", "05", kEnter, kDiscard},
      {"month: Backspace never moves, whatever is selected", KeyRule::Month, "1", "", kBackspace, kInsert},
  };
  for (const CaretCase& c : kCaretCases) {
    SCOPED_TRACE(c.what);
    const KeyOutcome got = KeyPress(c.field, {c.before, c.after}, c.key);
    EXPECT_EQ(got.discard, c.expected.discard);
    EXPECT_EQ(got.moveFocus, c.expected.moveFocus);
  }
}

// Ctrl+C and Ctrl+V copy and paste in every field, as the context menu does, whatever the text:
// never discarded, never moving the focus, never reading.
TEST(KeyRules, CopyAndPasteAreTheFieldsOwnInEveryField) {
  struct ClipboardCase {
    const char* what;
    KeyRule field;
    const char* text;
  };
  const ClipboardCase kClipboardCases[] = {
      {"year, empty", KeyRule::Year, ""},
      {"year of three digits, where a digit moves on", KeyRule::Year, "199"},
      {"month of one digit, where a digit moves on", KeyRule::Month, "1"},
      {"month, empty", KeyRule::Month, ""},
      {"day beginning with 0, which refuses every key", KeyRule::Day, "0"},
      {"day, empty", KeyRule::Day, ""},
      {"age", KeyRule::None, "36"},
  };
  for (const ClipboardCase& c : kClipboardCases)
    for (const auto& [key, name] : {std::pair{kCopy, "Ctrl+C"}, std::pair{kPaste, "Ctrl+V"}}) {
      SCOPED_TRACE(std::string(name) + " in the " + c.what);
      EXPECT_EQ(KeyPress(c.field, TextAroundCaret::AtEnd(c.text), key), kInsert);
    }
}

// Edit1 (age) has no key handler: any character is the field's own.
TEST(KeyRules, AFieldWithoutARuleTakesEveryKey) {
  for (char32_t key : {U'0', U'a', U'年', kEnter, kBackspace, char32_t{27}}) {
    SCOPED_TRACE(static_cast<int>(key));
    EXPECT_EQ(KeyPress(KeyRule::None, TextAroundCaret::AtEnd("0"), key), kInsert);
  }
}

}  // namespace
}  // namespace tesserin::ui
