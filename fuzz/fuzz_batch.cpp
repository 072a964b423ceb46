// The batch reader over any standard input, UTF-8 or UTF-16. Besides sanitizer findings it
// checks that every line read gives one line out, a JSON object of UTF-8 text, that a
// conversion error keeps the form of its message, and that nothing goes to standard error.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "cli/Cli.h"

namespace {

// The lines the batch reads, as std::getline counts them (a last line without its line feed
// counts too): in UTF-16 behind its byte order mark, line feeds are code units; a UTF-8 mark
// is no text.
std::size_t LinesIn(std::string_view input) {
  const bool littleEndian = input.starts_with("\xFF\xFE"), bigEndian = input.starts_with("\xFE\xFF");
  if (!littleEndian && !bigEndian) {
    if (input.starts_with("\xEF\xBB\xBF")) input.remove_prefix(3);
    std::size_t lines = 0;
    for (char c : input) lines += c == '\n';
    return lines + (!input.empty() && input.back() != '\n');
  }
  input.remove_prefix(2);
  std::size_t lines = 0;
  bool endsInLineFeed = false;
  for (std::size_t i = 0; i + 1 < input.size(); i += 2) {
    const auto first = static_cast<unsigned char>(input[i]), second = static_cast<unsigned char>(input[i + 1]);
    endsInLineFeed = (littleEndian ? first | second << 8 : first << 8 | second) == '\n';
    lines += endsInLineFeed;
  }
  const bool oddByte = input.size() % 2 != 0;  // becomes a character of its own
  return lines + (!input.empty() && (oddByte || !endsInLineFeed));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tesserin;
  using fuzz::Check;
  std::string input(reinterpret_cast<const char*>(data), size);
  std::istringstream in(input);
  std::ostringstream out, err;
  int status = RunCli({"--batch"}, in, out, err);
  Check(status == kExitOk, "a batch ends with status 0");
  Check(err.str().empty(), "a batch writes nothing to standard error", err.str());

  const std::size_t linesIn = LinesIn(input);

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
