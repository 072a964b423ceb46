#include "cli/Language.h"

#include <string_view>

namespace tesserin {

Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (value == nullptr || *value == '\0') continue;
    return std::string_view(value).starts_with("zh") ? Language::kChinese : Language::kEnglish;
  }
  return Language::kEnglish;
}

Language LanguageOfWindowsLanguageId(unsigned short id) {
  constexpr unsigned kPrimaryMask = 0x3FF, kChinese = 0x04;  // PRIMARYLANGID, LANG_CHINESE of winnt.h
  return (id & kPrimaryMask) == kChinese ? Language::kChinese : Language::kEnglish;
}

}  // namespace tesserin
