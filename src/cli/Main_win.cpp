// Windows entry: arguments arrive as UTF-16 and are handed on as UTF-8. Standard output and
// error each go to a console as UTF-16 through the console API, or elsewhere (a file, a pipe) as
// UTF-8 bytes, lines ending in LF on both. Messages follow the user's display language.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <istream>
#include <memory>
#include <ostream>

#include "cli/Cli.h"
#include "cli/ConsoleOutput_win.h"
#include "cli/FdStreams.h"
#include "cli/Language.h"

namespace {

std::unique_ptr<std::streambuf> OutputBuffer(DWORD stream, int fd, tesserin::OnWriteFailure onFailure) {
  _setmode(fd, _O_BINARY);
  HANDLE handle = GetStdHandle(stream);
  if (tesserin::IsConsole(handle)) return std::make_unique<tesserin::ConsoleOutput>(handle, onFailure);
  return std::make_unique<tesserin::FdOutput>(fd, onFailure);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    int n = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
    std::string arg(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, arg.data(), n, nullptr, nullptr);
    args.push_back(std::move(arg));
  }
  _setmode(0, _O_BINARY);
  tesserin::FdInput inBuffer(0);
  const auto outBuffer = OutputBuffer(STD_OUTPUT_HANDLE, 1, tesserin::OnWriteFailure::kThrow);
  const auto errBuffer = OutputBuffer(STD_ERROR_HANDLE, 2, tesserin::OnWriteFailure::kDrop);
  std::istream in(&inBuffer);
  std::ostream out(outBuffer.get()), err(errBuffer.get());
  out.exceptions(std::ios::badbit);  // a failed write reaches RunCli with its reason
  err.setf(std::ios::unitbuf);
  // Chinese for a user whose Windows shows Chinese, whatever the code pages.
  const tesserin::Language language = tesserin::LanguageOfWindowsLanguageId(GetUserDefaultUILanguage());
  return tesserin::RunCli(args, in, out, err, language);
}
