#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

// One run of the command-line tool, with what it printed.
struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline CliRun cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  CliIo io{out, err};
  const int status = runCli(args, io);
  return {status, out.str(), err.str()};
}

inline std::string example(const std::string& name) { return std::string(CAVERNIA_EXAMPLES_DIR) + "/" + name; }
