// Code page 936 conversion, through iconv natively and the Win32 code-page functions on Windows.
// Expected bytes are those of code page 936 itself, written out by hand.
#include "base/Gbk.h"
#include "base/WideLiteral.h"

#include <gtest/gtest.h>

#include <string>

namespace tesserin {
namespace {

// Text that survives every conversion unchanged: UTF-8, UTF-16 and code page 936 spell it alike.
struct RoundTrip {
  const char* what;
  const char* utf8;
  const wchar_t* wide;
  const char* gbk;
};

const RoundTrip kRoundTrips[] = {
    {"empty text", "", L"", ""},
    {"ASCII", "Edit4 1990-05-12", L"Edit4 1990-05-12", "Edit4 1990-05-12"},
    {"pillars line", "八字：己丑 丁丑 壬寅", L"八字：己丑 丁丑 壬寅",
     "\xB0\xCB\xD7\xD6\xA3\xBA\xBC\xBA\xB3\xF3 \xB6\xA1\xB3\xF3 \xC8\xC9\xD2\xFA"},
    {"full-width colon", "：", L"：", "\xA3\xBA"},
    {"full-width tilde", "～", L"～", "\xA1\xAB"},
    {"stars", "★☆★", L"★☆★", "\xA1\xEF\xA1\xEE\xA1\xEF"},
    {"profile title", "ABC的资料", L"ABC的资料", "ABC\xB5\xC4\xD7\xCA\xC1\xCF"},
    {"first GBK extension character", "丂", L"丂", "\x81\x40"},
    {"em dash and middle dot", "—·", L"—·", "\xA1\xAA\xA1\xA4"},
    {"euro sign, the one single-byte non-ASCII character", "€", L"€", "\x80"},
};

TEST(Gbk, RoundTrips) {
  for (const RoundTrip& c : kRoundTrips) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.gbk, Gbk(c.utf8));
    EXPECT_EQ(c.utf8, Utf8(c.gbk));
#ifdef _WIN32
    EXPECT_EQ(c.wide, WideFromGbk(c.gbk));
    EXPECT_EQ(c.gbk, GbkFromWide(c.wide));
#endif
  }
}

// UTF-8 that code page 936 cannot hold, or that is not UTF-8 at all: each character or invalid
// piece becomes "?", and what follows it survives. A piece is a lead byte with the continuation
// bytes that follow it, up to the length the lead byte announces, or a byte that starts nothing.
// Both builds run this one table.
struct ToGbk {
  const char* what;
  const char* utf8;
  const char* gbk;
};

const ToGbk kToGbk[] = {
    {"Hangul syllable", "八한字", "\xB0\xCB?\xD7\xD6"},
    {"letter with diaeresis, not replaced by a look-alike", "ä", "?"},
    {"character beyond the BMP", "a\xF0\x9F\x98\x80" "b", "a?b"},
    {"stray continuation byte", "a\x80" "b", "a?b"},
    {"byte never used in UTF-8", "\xFF" "1", "?1"},
    {"sequence cut short by ASCII", "\xE5\xAD" "a", "?a"},
    {"four-byte sequence cut short by a digit", "\xF0\x9F" "5", "?5"},
    {"four-byte lead alone before a digit", "\xF0" "5", "?5"},
    {"sequence cut short at the end", "1\xE5\xAD", "1?"},
    {"two sequences cut short in a row", "\xE5\xAD\xE5\xAD", "??"},
    {"encoded surrogate", "\xED\xA0\x80" "1", "?1"},
    {"encoded low surrogate at the end", "1\xED\xBF\xBF", "1?"},
    {"overlong three-byte form", "\xE0\x80\xAF" "1", "?1"},
    {"overlong two-byte form: two bytes that start nothing", "\xC0\xAF" "1", "??1"},
    {"beyond U+10FFFF", "\xF4\x90\x80\x80" "1", "?1"},
    {"lead byte of a five-byte form", "\xF8\x88" "1", "??1"},
    {"a valid character after an invalid piece", "\xE5" "八", "?\xB0\xCB"},
};

// The window's tables widen the source's UTF-8 at compile time: the same wide text as the
// conversion gives, pieces joined, and a character beyond U+FFFF as wchar_t holds it.
static_assert(WideLiteral<8>{"性欲指数", "："}.View() == L"性欲指数：");
TEST(WideLiteral, SpellsTheSourceAsTheWideText) {
  for (const RoundTrip& c : kRoundTrips) {
    SCOPED_TRACE(c.what);
    EXPECT_TRUE(WideLiteral<64>{c.utf8}.View() == c.wide);
  }
  EXPECT_TRUE((WideLiteral<4>{"1", "\U0001F600", "é"}.View() == L"1\U0001F600é"));
}

TEST(Gbk, ReplacesWhatCodePage936Lacks) {
  for (const ToGbk& c : kToGbk) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.gbk, Gbk(c.utf8));
  }
}

#ifdef _WIN32
// UTF-16 that code page 936 cannot hold.
struct FromWide {
  const char* what;
  const wchar_t* wide;
  const char* gbk;
};

const FromWide kFromWide[] = {
    {"Hangul syllable", L"\xD55C", "?"},
    {"surrogate pair", L"\xD83D\xDE00" L"1", "?1"},
    {"unpaired surrogate", L"\xD800" L"1", "?1"},
};

TEST(Gbk, WideReplacesWhatCodePage936Lacks) {
  for (const FromWide& c : kFromWide) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.gbk, GbkFromWide(c.wide));
  }
}
#endif

// Bytes that are not valid code page 936 become U+FFFD.
struct ToUtf8 {
  const char* what;
  const char* gbk;
  const char* utf8;
};

const ToUtf8 kToUtf8[] = {
    {"lead byte at the end", "1\xB0", "1\xEF\xBF\xBD"},
    {"lead byte before a byte that cannot trail", "\xB0\x0A" "1", "\xEF\xBF\xBD\n1"},
    {"byte never used in code page 936", "1\xFF" "2", "1\xEF\xBF\xBD" "2"},
};

TEST(Gbk, MarksInvalidCodePage936) {
  for (const ToUtf8& c : kToUtf8) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.utf8, Utf8(c.gbk));
  }
}

}  // namespace
}  // namespace tesserin
