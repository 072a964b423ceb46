// The language of the reader's own messages: Chinese for a user whose language is Chinese,
// English for everyone else. The reading's texts and the batch's JSON are the same in both.
#pragma once

namespace tesserin {

enum class Language { kEnglish, kChinese };

// From the locale variables as POSIX ranks them: the first of LC_ALL, LC_MESSAGES and LANG that
// is set and not empty (nullptr: not set) decides; Chinese when it begins with "zh", whether or
// not that locale is installed.
Language LanguageOfLocale(const char* lcAll, const char* lcMessages, const char* lang);

// From a Windows language id (GetUserDefaultUILanguage): Chinese for the primary language
// LANG_CHINESE, whatever the region or script.
Language LanguageOfWindowsLanguageId(unsigned short id);

}  // namespace tesserin
