// A whole date pasted into a date field, in the forms people copy it in: 1990-05-12, 1990/5/12,
// 1990.5.12, 1990年5月12日 and 19900512. No <windows.h> here.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tesserin::ui {

// The year, month and day texts for the three date fields (no leading zeros, as the fields'
// key rules would have them), or none for a text in no such form. `utf8` may have blanks and
// line ends around it.
std::optional<std::array<std::string, 3>> PastedDate(std::string_view utf8);

}  // namespace tesserin::ui
