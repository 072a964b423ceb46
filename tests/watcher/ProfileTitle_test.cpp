// The title tests on code page 936 bytes.
#include "watcher/ProfileTitle.h"

#include <gtest/gtest.h>

#include <string>

namespace tesserin {
namespace {

TEST(ProfileTitle, TellsProfileTitlesFromOthers) {
  struct Case {
    const char* what;
    GbkString title;
    bool profile;
  };
  const Case cases[] = {
      {"nickname", Gbk("ABC的资料"), true},
      {"Chinese nickname", Gbk("小明的资料"), true},
      {"nothing before the suffix", Gbk("的资料"), true},
      {"suffix in the middle", Gbk("ABC的资料 - 编辑"), true},
      {"no suffix", Gbk("ABC的空间"), false},
      {"empty title", "", false},
      {"six leading digits", Gbk("123456的资料"), false},
      {"seven leading digits", Gbk("1234567的资料"), false},
      {"five digits: the sixth byte is the lead byte of 的", Gbk("12345的资料"), true},
      {"slash, four digits, a letter above 9", Gbk("/1234X的资料"), true},
      {"slash and five digits", Gbk("/12345的资料"), false},
      {"digit, four letters, a colon above 9", Gbk("1abcd:的资料"), true},
      {"digit, four letters, a blank below 9", Gbk("1abcd 的资料"), false},
      {"letter, then digits", Gbk("a123456的资料"), true},
      {"first byte '.' is below '/'", Gbk(".23456的资料"), true},
      {"first byte ':' is above '9'", Gbk(":23456的资料"), true},
      {"suffix in another code page's bytes", "ABC\xe7\x9a\x84\xe8\xb5\x84\xe6\x96\x99", false},
      {"suffix cut by one byte", Gbk("ABC的资料").substr(0, 8), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.profile, IsProfileTitle(c.title));
  }
}

TEST(ProfileTitle, TheSuffixIsTheSixBytesOfCodePage936) {
  EXPECT_EQ("\xb5\xc4\xd7\xca\xc1\xcf", Gbk("的资料"));
}

TEST(ProfileTitle, NicknameDropsTheLastSixBytes) {
  struct Case {
    const char* what;
    GbkString title;
    GbkString nickname;
  };
  const Case cases[] = {
      {"ASCII nickname", Gbk("ABC的资料"), "ABC"},
      {"Chinese nickname", Gbk("小明的资料"), Gbk("小明")},
      {"empty nickname", Gbk("的资料"), ""},
      {"suffix not at the end", Gbk("A的资料UVWXYZ"), Gbk("A的资料")},
      {"shorter than six bytes", "ab", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.nickname, Nickname(c.title));
  }
}

}  // namespace
}  // namespace tesserin
