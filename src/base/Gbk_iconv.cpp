// Code page 936 conversion through iconv (Linux builds).
#include "base/Gbk.h"

#include <cerrno>
#include <iconv.h>

#include "base/Utf8.h"

namespace tesserin {
namespace {

// Bytes to pass over at an unconvertible UTF-8 piece (Utf8.h): a whole character that code
// page 936 lacks, or a piece that is no character, so that it takes no valid character with it.
size_t Utf8PieceLength(const char* piece, size_t left) {
  return Utf8PieceAt(std::string_view(piece, left), 0).length;
}

// One converter per direction and thread, opened on first use: iconv_open is far dearer than
// a conversion of a few dozen bytes.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; each unconvertible piece is passed over by skip(piece, bytes left) bytes and
  // replaced.
  template <typename Skip>
  std::string Run(std::string_view in, std::string_view replacement, Skip skip) {
    std::string out;
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return out;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char buffer[256];
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    while (srcLeft > 0) {
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, dst - buffer);
      if (rc != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) continue;
      // EILSEQ or EINVAL: an invalid or unmappable piece, or a truncated one at the end.
      size_t n = errno == EINVAL ? srcLeft : skip(src, srcLeft);
      if (n > srcLeft) n = srcLeft;
      src += n;
      srcLeft -= n;
      out.append(replacement);
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

GbkString Gbk(std::string_view utf8) {
  thread_local Converter toGbk("CP936", "UTF-8");
  return toGbk.Run(utf8, "?", Utf8PieceLength);
}

std::string Utf8(std::string_view gbk) {
  thread_local Converter toUtf8("UTF-8", "CP936");
  return toUtf8.Run(gbk, "\xEF\xBF\xBD", [](const char*, size_t) { return size_t{1}; });
}

}  // namespace tesserin
