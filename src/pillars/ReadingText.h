// A reading as plain text, one field a line: the 八字 line, then the personality text and the
// four ratings after the window's captions. tesserin-cli prints it; the window copies it.
#pragma once

#include <string_view>

#include "base/Gbk.h"
#include "pillars/AnalysisRun.h"

namespace tesserin {

// Whether the fields hold a reading: the 八字 line stays as at start until a run completes.
bool HasReading(const AnalysisDisplay& display);

// The six fields as six lines, each ended by lineEnd ("\r\n" for the Windows clipboard).
GbkString ReadingText(const AnalysisDisplay& display, std::string_view lineEnd = "\n");

}  // namespace tesserin
