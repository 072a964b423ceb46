// Code page 936 conversion through the Win32 code-page functions (Windows builds). Explicit
// code pages, never CP_ACP: the program must work whatever the system's ANSI code page is.
#include "base/Gbk.h"

#include <windows.h>

#include "base/Utf8.h"

namespace tesserin {
namespace {

constexpr UINT kGbk = 936;

// Code page 936 to UTF-16, one character at a time: Windows turns an invalid piece into "?" (or
// a private-use character) and may swallow the byte after a lead byte.
std::wstring WideFrom936(std::string_view gbk) {
  // Valid text, by far the usual case, converts in one call.
  if (gbk.empty()) return {};
  int whole = MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  if (whole > 0) {
    std::wstring wide(whole, L'\0');
    MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(), static_cast<int>(gbk.size()), wide.data(), whole);
    return wide;
  }
  std::wstring wide;
  wide.reserve(gbk.size());
  for (size_t i = 0; i < gbk.size();) {
    auto b = static_cast<unsigned char>(gbk[i]);
    if (b < 0x80) {
      wide += static_cast<wchar_t>(b);
      ++i;
      continue;
    }
    size_t n = IsDBCSLeadByteEx(kGbk, b) && i + 1 < gbk.size() ? 2 : 1;
    wchar_t c;
    int got = MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data() + i, static_cast<int>(n),
                                  &c, 1);
    if (got == 1) {
      wide += c;
      i += n;
    } else {
      wide += L'\xFFFD';
      ++i;
    }
  }
  return wide;
}

// UTF-8 to UTF-16: each piece that is not a character becomes one "?" (Utf8.h). The system's
// own conversion differs from one version to the next (it may swallow the character after a
// cut-short sequence, or give one replacement per byte).
std::wstring WideFromUtf8(std::string_view utf8) {
  std::wstring wide;
  wide.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const Utf8Piece piece = Utf8PieceAt(utf8, i);
    i += piece.length;
    if (piece.character)
      AppendUtf16(*piece.character, wide);
    else
      wide += L'?';
  }
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  // Code page 936 takes a default character; UTF-8 refuses one (and never needs it).
  const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
  DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  std::wstring one;  // code page 936 has no character beyond the BMP: a pair becomes one "?"
  if (codePage != CP_UTF8) {
    one.reserve(wide.size());
    for (size_t i = 0; i < wide.size(); ++i) {
      bool surrogate = IS_HIGH_SURROGATE(wide[i]) || IS_LOW_SURROGATE(wide[i]);
      one += surrogate ? L'?' : wide[i];
      if (IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.size() && IS_LOW_SURROGATE(wide[i + 1])) ++i;
    }
    wide = one;
  }
  int n = WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), nullptr,
                              0, fallback, nullptr);
  std::string text(n, '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), static_cast<int>(wide.size()), text.data(), n,
                      fallback, nullptr);
  return text;
}

}  // namespace

std::wstring WideFromGbk(std::string_view gbk) { return WideFrom936(gbk); }
GbkString GbkFromWide(std::wstring_view wide) { return FromWide(kGbk, wide); }
GbkString Gbk(std::string_view utf8) { return FromWide(kGbk, WideFromUtf8(utf8)); }
std::string Utf8(std::string_view gbk) { return FromWide(CP_UTF8, WideFrom936(gbk)); }

}  // namespace tesserin
