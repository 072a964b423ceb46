// A busy flag set for the length of a scope and cleared on every way out of it, an exception
// included. The program's handlers run on one thread, but a modal box inside one of them keeps
// the message loop going, so a handler can be entered again before it has returned.
#pragma once

namespace tesserin {

class BusyGuard {
 public:
  explicit BusyGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~BusyGuard() { flag_ = false; }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;

 private:
  bool& flag_;
};

}  // namespace tesserin
