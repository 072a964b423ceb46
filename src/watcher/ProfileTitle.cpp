// The profile title tests.
#include "watcher/ProfileTitle.h"

#include "base/GbkLiteral.h"

namespace tesserin {

bool IsProfileTitle(std::string_view title) {
  static const GbkLiteral kSuffix{"的资料"};
  if (title.find(kSuffix.Text()) == std::string_view::npos) return false;
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(title[i]); };
  bool numberLike = byte(0) >= 0x2F && byte(0) <= 0x39 && title.size() >= 6 && byte(5) <= 0x39;
  return !numberLike;
}

GbkString Nickname(std::string_view title) {
  return GbkString(title.substr(0, title.size() < 6 ? 0 : title.size() - 6));
}

}  // namespace tesserin
