// Reading decimal field texts as numbers, the way every number of a reading is read.
#pragma once

#include <stdexcept>
#include <string_view>

#include "base/Gbk.h"

namespace tesserin {

// The integer conversion error "'%s' is not a valid integer value", %s being the text that
// failed, in code page 936. Message() holds all of it; what() ends at the first NUL byte that
// the text may hold.
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(std::string_view text);
  const GbkString& Message() const { return message_; }

 private:
  GbkString message_;
};

// A whole number: optional leading blanks, an optional sign and one or more decimal digits,
// nothing else, within the signed 32-bit range. Anything else throws ConversionError.
int ParseWholeNumber(std::string_view text);
// The same without the short way for the usual field, one to nine digits and nothing else: the
// plain way, which the tests hold ParseWholeNumber equal to and the benchmarks time beside it.
int ParseWholeNumberByTheRule(std::string_view text);

}  // namespace tesserin
