// The glyph matcher over any text, of any length and any characters: the result is "" or the
// label of the template it remembers, and a miss leaves the remembered index alone.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzInput.h"
#include "capture/GlyphMatcher.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesserin;
  if (size == 0) return 0;
  int before = data[0] % static_cast<int>(kGlyphCount);
  int LastGlyphIndex = before;
  std::string_view glyph(reinterpret_cast<const char*>(data) + 1, size - 1);
  GbkString label = GlyphMatcher(glyph, LastGlyphIndex);
  fuzz::Check(LastGlyphIndex >= 0 && LastGlyphIndex < static_cast<int>(kGlyphCount), "the index is a template's");
  if (label.empty()) {
    fuzz::Check(LastGlyphIndex == before, "a miss keeps the remembered index");
  } else {
    fuzz::Check(label == GlyphLabels[static_cast<std::size_t>(LastGlyphIndex)], "the label is the remembered template's");
  }
  return 0;
}
