// The size a self-sizing label needs for its text: the advance widths, widened where the ink
// of the glyphs reaches past them (some bitmap strikes draw ")" beyond its advance, and a
// label cut to the advance would clip it).
#pragma once

#include <windows.h>

#include <string_view>

namespace tesserin::ui {

SIZE LabelExtent(HFONT font, std::wstring_view text);

}  // namespace tesserin::ui
