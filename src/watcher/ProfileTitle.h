// The title tests that tell a messenger profile window ("<nickname>的资料") from other windows.
// They work on the title's bytes in code page 936.
#pragma once

#include <cstddef>
#include <string_view>

#include "base/Gbk.h"

namespace tesserin {

// Titles are read up to this many bytes; a longer title is known only by its start.
inline constexpr std::size_t kMaxTitleBytes = 254;

// The class of the messenger's windows.
inline constexpr std::string_view kProfileWindowClass = "TxGuiFoundation";

// The title contains "的资料" and does not start like a number: a first byte "/" or "0"-"9"
// together with a sixth byte of at most "9" (bytes compared unsigned) marks six or more leading
// digits, which the messenger uses for windows that are not a contact's profile.
bool IsProfileTitle(std::string_view title);

// The title without its last 6 bytes: for "<nickname>的资料", the nickname.
GbkString Nickname(std::string_view title);

}  // namespace tesserin
