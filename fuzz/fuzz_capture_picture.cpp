// The capture scan over any picture: any size from empty to 399 × 399, any pixel values (a
// palette of up to 16 per picture), and any remembered template index.
#include <cstddef>
#include <cstdint>

#include "PictureFormats.h"
#include "capture/GlyphScanner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesserin;
  fuzz::ByteReader in(data, size);
  int remembered = 0;
  static PixelImage picture(0, 0);
  fuzz::DecodePalettePicture(in, remembered, picture);
  int LastGlyphIndex = remembered;
  GlyphScanner(picture, LastGlyphIndex);
  return 0;
}
