// Windows entry: arguments arrive as UTF-16 and are handed on as UTF-8; output is UTF-8 bytes,
// and a console is told so.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <iostream>

#include "cli/Cli.h"

int wmain(int argc, wchar_t** argv) {
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    int n = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
    std::string arg(n > 0 ? n - 1 : 0, '\0');
    if (n > 1) WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, arg.data(), n, nullptr, nullptr);
    args.push_back(std::move(arg));
  }
  std::ios::sync_with_stdio(false);
  return tesserin::RunCli(args, std::cin, std::cout, std::cerr);
}
