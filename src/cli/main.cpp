#include <istream>
#include <ostream>

#include "cli/Cli.h"
#include "cli/FdStreams.h"

int main(int argc, char** argv) {
  tesserin::FdInput inBuffer(0, "standard input");
  tesserin::FdOutput outBuffer(1, "standard output"), errBuffer(2, "standard error");
  std::istream in(&inBuffer);
  std::ostream out(&outBuffer), err(&errBuffer);
  out.exceptions(std::ios::badbit);  // a failed write reaches RunCli with its reason
  err.setf(std::ios::unitbuf);
  return tesserin::RunCli(std::vector<std::string>(argv + 1, argv + argc), in, out, err);
}
