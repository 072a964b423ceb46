// tesserin-cli --batch: one reading per line of standard input (year, month, day and mode, or a
// date and mode, separated by TABs), one JSON object per line of output. Input is UTF-8 or
// UTF-16 behind a byte order mark; output is UTF-8.
#pragma once

#include <iosfwd>

namespace tesserin {

// Reads to the end of `in`; a line that cannot be read gets its error object and the run goes
// on. Returns the exit status (always 0). A stream that cannot be read or written throws
// StreamFailure, a failed read once every complete line read before it has its answer written.
int RunBatch(std::istream& in, std::ostream& out);

}  // namespace tesserin
