// A failure to read or write one of the process's standard streams, thrown by their stream
// buffers and reported by RunCli: what() says what failed and why ("error writing standard
// output: No space left on device"). A broken pipe means that the reader stopped early, as
// `head` does: that is no error to speak of.
#pragma once

#include <stdexcept>
#include <string>

namespace tesserin {

class StreamFailure : public std::runtime_error {
 public:
  explicit StreamFailure(const std::string& what, bool brokenPipe = false)
      : std::runtime_error(what), brokenPipe_(brokenPipe) {}
  bool BrokenPipe() const { return brokenPipe_; }

 private:
  bool brokenPipe_;
};

}  // namespace tesserin
