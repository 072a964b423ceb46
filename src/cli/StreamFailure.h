// A failure to read standard input or write standard output, thrown by their stream buffers and
// reported by RunCli in the user's language (Messages.h). It carries what failed and the
// system's code, not finished text. A broken pipe means that the reader stopped early, as `head`
// does: that is no error to speak of.
#pragma once

#include <exception>

namespace tesserin {

struct StreamFailure : std::exception {
  enum class Direction { kReading, kWriting };  // standard input, standard output

  Direction direction = Direction::kWriting;
  int error = 0;                  // the errno value of the failed read or write; 0: not known
  unsigned long consoleError = 0;  // the Windows error of a failed write to a console
  bool brokenPipe = false;

  static StreamFailure Reading(int error) { return Make(Direction::kReading, error, 0, false); }
  static StreamFailure Writing(int error, bool brokenPipe = false) { return Make(Direction::kWriting, error, 0, brokenPipe); }
  static StreamFailure WritingToConsole(unsigned long windowsError) {
    return Make(Direction::kWriting, 0, windowsError, false);
  }

  const char* what() const noexcept override {
    return direction == Direction::kReading ? "error reading standard input" : "error writing standard output";
  }

 private:
  static StreamFailure Make(Direction direction, int error, unsigned long consoleError, bool brokenPipe) {
    StreamFailure failure;
    failure.direction = direction, failure.error = error, failure.consoleError = consoleError;
    failure.brokenPipe = brokenPipe;
    return failure;
  }
};

// What an output stream buffer does when a write fails: throw StreamFailure (standard output,
// whose failure ends the run), or drop what it could not write (standard error: a message that
// cannot be written has nobody left to tell, and the exit status stays what it would have been).
enum class OnWriteFailure { kThrow, kDrop };

}  // namespace tesserin
