// The capture scan over near-valid pictures: a profile block painted as the profile window lays
// it out (digits or the 12-pixel date font, any colours and marker row), then pixels changed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "PictureFormats.h"
#include "capture/GlyphScanner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesserin;
  fuzz::ByteReader in(data, size);
  fuzz::BlockRecipe recipe = fuzz::DecodeBlockRecipe(in);
  // Most mutations change only the edits: the painted block is kept for the next input with the
  // same description, as painting costs more than the scan.
  static std::string paintedFrom;
  static PixelImage painted(0, 0);
  std::string description(reinterpret_cast<const char*>(data), recipe.blockBytes);
  if (description != paintedFrom || painted.Width() == 0) {
    painted = recipe.Unchanged();
    paintedFrom = description;
  }
  static PixelImage picture(0, 0);
  picture = painted;  // same size: the copy reuses the buffer
  recipe.ApplyEdits(picture);
  LastGlyphIndex = recipe.rememberedIndex;
  GlyphScanner(picture);
  return 0;
}
