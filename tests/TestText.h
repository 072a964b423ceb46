// Test helpers: write expected texts as UTF-8 and compare them as code page 936 bytes.
#pragma once

#include <string>
#include <string_view>

#include "base/Gbk.h"

namespace tesserin {

inline GbkString G(std::string_view utf8) { return Gbk(utf8); }
inline std::string U(std::string_view gbk) { return Utf8(gbk); }

}  // namespace tesserin
