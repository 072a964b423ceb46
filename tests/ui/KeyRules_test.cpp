// The key rules as pure functions: what happens to each typed character, given the field's text.
#include "ui/KeyRules.h"

#include <gtest/gtest.h>

#include "ui/ErrorText.h"

namespace tesserin::ui {
namespace {

constexpr KeyOutcome kInsert{};
constexpr KeyOutcome kDiscard{.discard = true};
constexpr KeyOutcome kInsertAndMove{.moveFocus = true};
constexpr KeyOutcome kDiscardAndMove{.discard = true, .moveFocus = true};

struct Case {
  const char* what;
  const char* field;  // "Edit4", "Edit2" or "Edit3"
  const char* text;
  char32_t key;
  KeyOutcome expected;
};

const Case kCases[] = {
    {"year: a digit is inserted", "Edit4", "", U'1', kInsert},
    {"year: zero first is refused", "Edit4", "", U'0', kDiscard},
    {"year: zero after another digit is fine", "Edit4", "1", U'0', kInsert},
    {"year: fourth digit is inserted and moves on", "Edit4", "199", U'0', kInsertAndMove},
    {"year: a letter after three digits moves on", "Edit4", "199", U'a', kDiscardAndMove},
    {"year: a letter before that does nothing", "Edit4", "19", U'a', kDiscard},
    {"year: a fifth digit stays", "Edit4", "1990", U'1', kInsert},
    {"year: Backspace after three digits stays", "Edit4", "199", kBackspace, kInsert},
    {"year: Enter moves on", "Edit4", "", kEnter, kInsertAndMove},
    {"year: a text beginning with 0 refuses Backspace", "Edit4", "0", kBackspace, kDiscard},
    {"year: a text beginning with 0 refuses Enter, which then moves nothing", "Edit4", "0", kEnter, kDiscard},
    {"year: a refused key on a 3-character text moves on", "Edit4", "012", kBackspace, kDiscardAndMove},
    {"year: a non-ASCII character is refused", "Edit4", "", U'年', kDiscard},
    {"month: 4 moves on", "Edit2", "", U'4', kInsertAndMove},
    {"month: 9 moves on", "Edit2", "", U'9', kInsertAndMove},
    {"month: 3 stays", "Edit2", "", U'3', kInsert},
    {"month: 1 stays", "Edit2", "", U'1', kInsert},
    {"month: 2 after 1 moves on", "Edit2", "1", U'2', kInsertAndMove},
    {"month: zero first is refused and stays", "Edit2", "", U'0', kDiscard},
    {"month: zero after 1 moves on", "Edit2", "1", U'0', kInsertAndMove},
    {"month: a letter after a digit moves on", "Edit2", "1", U'x', kDiscardAndMove},
    {"month: a letter in an empty field does nothing", "Edit2", "", U'x', kDiscard},
    {"month: Backspace never moves", "Edit2", "1", kBackspace, kInsert},
    {"month: Enter moves on", "Edit2", "", kEnter, kInsertAndMove},
    {"month: Escape after a digit moves on", "Edit2", "1", 27, kDiscardAndMove},
};

TEST(KeyRules, DateFieldsFilterAndMoveOn) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    const KeyOutcome got = std::string_view(c.field) == "Edit3" ? Edit3KeyPress(c.text, c.key)
                                                                 : Edit4KeyPress(c.field, c.text, c.key);
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
    const KeyOutcome got = Edit3KeyPress(c.text, c.key);
    EXPECT_EQ(got.discard, c.discard);
    EXPECT_EQ(got.runLunar, c.runLunar);
    EXPECT_FALSE(got.moveFocus);
  }
}

TEST(ErrorText, FullStopUnlessTheTextEndsInOneOrSortsBeforeIt) {
  struct FullStopCase {
    const char* what;
    std::string text, expected;
  };
  const FullStopCase cases[] = {
      {"conversion error", "'' is not a valid integer value", "'' is not a valid integer value."},
      {"empty", "", ""},
      {"ends in a full stop", "done.", "done."},
      {"ends in a blank", "done ", "done "},
      {"ends in !", "done!", "done!"},
      {"ends in )", "(done)", "(done)"},
      {"ends in a digit", "code 7", "code 7."},
      {"ends in a double-byte character", "\xCA\xA7\xB0\xDC", "\xCA\xA7\xB0\xDC."},  // 失败
      {"double-byte character with a low trail byte", "\x81\x40", "\x81\x40."},
  };
  for (const FullStopCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ErrorBoxText(c.text), c.expected);
  }
}

TEST(ErrorText, ALongQuotedFieldIsCutToFitTheBox) {
  const std::string tail = "' is not a valid integer value";
  const std::string ellipsis = "\xA1\xAD";        // …
  const std::string han = "\xC4\xEA";             // 年
  auto repeat = [](const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
  };
  struct CutCase {
    const char* what;
    std::string text, expected;
  };
  const CutCase cases[] = {
      {"empty field", "''" + tail.substr(1), "''" + tail.substr(1)},
      {"a real mistake", "'19a0" + tail, "'19a0" + tail},
      {"40 characters stay whole", "'" + repeat("9", 40) + tail, "'" + repeat("9", 40) + tail},
      {"41 characters", "'" + repeat("9", 41) + tail, "'" + repeat("9", 40) + ellipsis + tail},
      {"10,000 pasted digits", "'" + repeat("1", 10000) + tail, "'" + repeat("1", 40) + ellipsis + tail},
      {"Chinese text, cut between characters", "'" + repeat(han, 5000) + tail,
       "'" + repeat(han, 40) + ellipsis + tail},
      {"mixed, a double-byte character at the cut", "'" + repeat("1", 39) + repeat(han, 3) + tail,
       "'" + repeat("1", 39) + han + ellipsis + tail},
      {"another error is left alone", repeat("x", 300), repeat("x", 300)},
  };
  for (const CutCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(FittedErrorText(c.text), c.expected);
  }
}

}  // namespace
}  // namespace tesserin::ui
