// The nickname label (Label7): the whole nickname where it fits before the 八字 line, else as
// much of it as fits followed by "…", with the whole nickname in the label's tooltip.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "base/Gbk.h"

namespace tesserin::ui {

// The longest start of `text` that, followed by "…", is at most `widest` pixels wide in `font`;
// the whole text where it fits as it is. A character outside the basic plane is never split.
std::wstring ShortenedToFit(HFONT font, std::wstring_view text, int widest);

void ShowNickname(const GbkString& nickname);
// The nickname fitted again, for the fonts and widths of a new DPI.
void RefitNickname();
// The tooltip's text: the whole nickname while the label shows it shortened, else nothing.
const std::wstring& NicknameTipText();

}  // namespace tesserin::ui
