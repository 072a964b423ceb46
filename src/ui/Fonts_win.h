// The form's fonts: 宋体 and 微软雅黑 where installed, otherwise the nearest installed font
// with Chinese glyphs, as the system reports its fonts. Made once per DPI.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "base/Gdi_win.h"
#include "form/Layout.h"

namespace tesserin::ui {

// The face name used for a family on this system: the family itself when installed, else the
// nearest installed Chinese font.
std::wstring ResolveFamily(Family family);

class FontSet {
 public:
  explicit FontSet(UINT dpi);
  HFONT Get(FontRole role) const { return fonts_[static_cast<int>(role)].get(); }

 private:
  std::array<UniqueFont, static_cast<int>(FontRole::Count)> fonts_;
};

}  // namespace tesserin::ui
