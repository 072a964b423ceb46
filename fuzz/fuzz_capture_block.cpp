// The capture scan over near-valid pictures: a profile block painted as the profile window lays
// it out (digits or the 12-pixel date font, any colours and marker row), then pixels changed.
#include <cstddef>
#include <cstdint>

#include "PictureFormats.h"
#include "capture/GlyphScanner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesserin;
  fuzz::ByteReader in(data, size);
  fuzz::BlockRecipe recipe = fuzz::DecodeBlockRecipe(in);
  static PixelImage picture(0, 0);
  recipe.PaintUnchanged(picture);
  recipe.ApplyEdits(picture);
  int LastGlyphIndex = recipe.rememberedIndex;
  GlyphScanner(picture, LastGlyphIndex);
  return 0;
}
