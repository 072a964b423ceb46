// tesserin-cli --batch: one reading per line of standard input (year, month, day and mode, or a
// date and mode, separated by TABs, or by commas or blanks: BatchLine.h), one answer per line of
// output: a JSON object (JsonBatch.h), or a row of the CSV sheet (CsvBatch.h). Input is UTF-8
// or UTF-16 behind a byte order mark; output is UTF-8.
#pragma once

#include <iosfwd>

namespace tesserin {

enum class BatchFormat { kJsonLines, kCsv };

// Reads to the end of `in`; a line that cannot be read gets its error and the run goes on.
// Returns the exit status (always 0). A stream that cannot be read or written throws
// StreamFailure, a failed read once every complete line read before it has its answer written.
int RunBatch(std::istream& in, std::ostream& out, BatchFormat format = BatchFormat::kJsonLines);

}  // namespace tesserin
