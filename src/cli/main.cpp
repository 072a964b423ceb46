#include <iostream>

#include "cli/Cli.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return tesserin::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cin, std::cout, std::cerr);
}
