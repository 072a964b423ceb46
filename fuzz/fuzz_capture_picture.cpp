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
  static fuzz::PalettePicture picture;
  picture.Decode(in, remembered);
  int LastGlyphIndex = remembered;
  GlyphScanner(picture, LastGlyphIndex);
  return 0;
}
