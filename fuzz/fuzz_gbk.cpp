// The code-page conversion both ways over any bytes. Besides sanitizer findings it checks the
// sizes (code page 936 never needs more bytes than UTF-8 for a character, UTF-8 at most three a
// byte), that UTF-8 output is valid UTF-8, and that text once converted into code page 936
// goes out to UTF-8 and back unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "base/Gbk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesserin;
  using fuzz::Check;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);

  GbkString gbk = Gbk(bytes);
  Check(gbk.size() <= size, "UTF-8 to code page 936 does not grow");
  std::string out = Utf8(gbk);
  Check(fuzz::IsUtf8(out), "code page 936 to UTF-8 gives UTF-8", out);
  Check(Gbk(out) == gbk, "converted text goes out and back unchanged", gbk);

  std::string utf8 = Utf8(bytes);
  Check(utf8.size() <= 3 * size, "code page 936 to UTF-8 takes at most three bytes a byte");
  Check(fuzz::IsUtf8(utf8), "code page 936 to UTF-8 gives UTF-8", utf8);
  return 0;
}
