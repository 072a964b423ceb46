// Labels a 6 × 8 glyph cell of the profile window by the first built-in template that fits it.
// A glyph string is 48 characters "0"/"1", row by row from the top, each row left to right;
// "1" is ink.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "base/Gbk.h"

namespace tesserin {

inline constexpr std::size_t kGlyphCount = 23;

// Templates of the same layout as a glyph string, where "x" fits either pixel. Indices 0-9 are
// the digits "1" to "9" and "0" of a 6-pixel font; 10-22 are left halves of 12-pixel-wide
// characters. GlyphLabels[i] is the text of GlyphTemplates[i].
extern const std::array<std::string_view, kGlyphCount> GlyphTemplates;
extern const std::array<std::string_view, kGlyphCount> GlyphLabels;

// The label of the first template that fits every character of glyph, or "" when none does. A
// template position past the template's end never fits. lastGlyphIndex is the index of the
// template of the most recent successful match, which a match sets and a miss keeps; the
// scanner reads it to tell the 12-pixel date layout from the digit layout, so its owner keeps it
// from one scan to the next (0 at first, never reset).
GbkString GlyphMatcher(std::string_view glyph, int& lastGlyphIndex);

}  // namespace tesserin
