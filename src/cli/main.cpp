#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  CliIo io{std::cout, std::cerr};
  const int status = runCli(args, io);
  std::cout.flush();
  return std::cout.good() ? status : kExitFailed;
}
