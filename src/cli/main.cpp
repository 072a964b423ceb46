#include <cstdlib>
#include <istream>
#include <ostream>

#include "cli/Cli.h"
#include "cli/FdStreams.h"
#include "cli/Language.h"

int main(int argc, char** argv) {
  using tesserin::OnWriteFailure;
  tesserin::FdInput inBuffer(0);
  tesserin::FdOutput outBuffer(1, OnWriteFailure::kThrow), errBuffer(2, OnWriteFailure::kDrop);
  std::istream in(&inBuffer);
  std::ostream out(&outBuffer), err(&errBuffer);
  out.exceptions(std::ios::badbit);  // a failed write reaches RunCli with its reason
  err.setf(std::ios::unitbuf);
  const tesserin::Language language =
      tesserin::LanguageOfLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
  return tesserin::RunCli(std::vector<std::string>(argv + 1, argv + argc), in, out, err, language);
}
