// Code page 936 conversion through the Win32 code-page functions (Windows builds). Explicit
// code pages, never CP_ACP: the program must work whatever the system's ANSI code page is.
#include "base/Gbk.h"

#include <windows.h>

namespace tesserin {
namespace {

constexpr UINT kGbk = 936;

std::wstring ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(n, L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  // Code page 936 takes a default character; UTF-8 refuses one (and never needs it).
  const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
  int n = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                              fallback, nullptr);
  std::string text(n, '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), n,
                      fallback, nullptr);
  return text;
}

}  // namespace

std::wstring WideFromGbk(std::string_view gbk) { return ToWide(kGbk, gbk); }
GbkString GbkFromWide(std::wstring_view wide) { return FromWide(kGbk, wide); }
GbkString Gbk(std::string_view utf8) { return FromWide(kGbk, ToWide(CP_UTF8, utf8)); }
std::string Utf8(std::string_view gbk) { return FromWide(CP_UTF8, ToWide(kGbk, gbk)); }

}  // namespace tesserin
