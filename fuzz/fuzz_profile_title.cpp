// The title test and the nickname over any title bytes. The nickname is the title without its
// last six bytes, whatever the test says.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzInput.h"
#include "watcher/ProfileTitle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesserin;
  std::string_view title(reinterpret_cast<const char*>(data), size);
  bool profile = IsProfileTitle(title);
  GbkString nickname = Nickname(title);
  fuzz::Check(nickname == title.substr(0, size >= 6 ? size - 6 : 0), "the nickname drops the last six bytes");
  fuzz::Check(!profile || title.find("\xb5\xc4\xd7\xca\xc1\xcf") != std::string_view::npos,
              "a profile title contains the suffix");
  // The window side reads at most this many bytes of a title.
  IsProfileTitle(title.substr(0, kMaxTitleBytes));
  return 0;
}
