// The batch reader over any standard input. Besides sanitizer findings it checks that every
// line read gives one line out, a JSON object of UTF-8 text, that a conversion error keeps the
// form of its message, and that nothing goes to standard error.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "cli/Cli.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesserin;
  using fuzz::Check;
  std::string input(reinterpret_cast<const char*>(data), size);
  std::istringstream in(input);
  std::ostringstream out, err;
  int status = RunCli({"--batch"}, in, out, err);
  Check(status == kExitOk, "a batch ends with status 0");
  Check(err.str().empty(), "a batch writes nothing to standard error", err.str());

  // std::getline's lines: a last line without its line feed counts too.
  std::size_t linesIn = 0;
  for (char c : input) linesIn += c == '\n';
  if (!input.empty() && input.back() != '\n') ++linesIn;

  std::string written = out.str();
  std::string_view text = written;
  std::size_t linesOut = 0;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    Check(end != std::string_view::npos, "every output line ends with a line feed");
    std::string_view line = text.substr(0, end);
    Check(line.size() >= 2 && line.front() == '{' && line.back() == '}', "an output line is a JSON object",
          line);
    Check(fuzz::IsUtf8(line), "an output line is UTF-8", line);
    for (char c : line) Check(static_cast<unsigned char>(c) >= 0x20, "no control character in JSON", line);
    // A conversion error is quoted whole: "'<field>' is not a valid integer value", last in the object.
    constexpr std::string_view kConversionTail = "' is not a valid integer value\"}";
    Check(line.find("\"error\":\"'") == std::string_view::npos || line.ends_with(kConversionTail),
          "a conversion error keeps its whole message", line);
    text.remove_prefix(end + 1);
    ++linesOut;
  }
  Check(linesOut == linesIn, "one output line per input line");
  return 0;
}
