// tesserin-cli --batch as JSON Lines: one object per line of input, its keys and texts in
// English as programs read them: the input's fields as given, and the reading, the refusal's
// message or the error.
#pragma once

#include <istream>

#include "cli/BatchStreams.h"

namespace tesserin {

// Reads `in` to its end as RunBatch does, and writes an object per line.
int ReadJsonLines(std::istream& in, BlockWriter& writer);

}  // namespace tesserin
