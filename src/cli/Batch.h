// tesserin-cli --batch: one reading per line of standard input (year, month, day and mode,
// separated by TABs), one JSON object per line of output. All text in and out is UTF-8.
#pragma once

#include <iosfwd>

namespace tesserin {

// Reads to the end of `in`; a line that cannot be read gets its error object and the run goes
// on. Returns the exit status (always 0).
int RunBatch(std::istream& in, std::ostream& out);

}  // namespace tesserin
