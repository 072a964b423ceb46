#include "cli/Batch.h"

#include <istream>
#include <ostream>

#include "cli/BatchStreams.h"
#include "cli/CsvBatch.h"
#include "cli/JsonBatch.h"

namespace tesserin {

int RunBatch(std::istream& in, std::ostream& out, BatchFormat format) {
  BlockWriter writer(out);
  return format == BatchFormat::kCsv ? ReadCsvSheet(in, writer) : ReadJsonLines(in, writer);
}

}  // namespace tesserin
