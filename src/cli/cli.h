#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

// The cavernia-level tool for people who maintain level packs.

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

struct CliIo {
  std::ostream& out;
  std::ostream& err;
};

struct CliOption {
  const char* flags;  // "-o, --output OUT"
  const char* text;
};

struct CliCommand {
  const char* name;
  const char* usage;    // argument synopsis after the command name
  const char* summary;  // one line for --help
  std::span<const CliOption> options;
  int (*run)(const std::vector<std::string>& args, CliIo& io);
};

// Every command the tool knows, in the order --help lists them.
std::span<const CliCommand> cliCommands();

// Runs the tool with its arguments (without the program name); returns the exit status.
int runCli(const std::vector<std::string>& args, CliIo& io);

// Writes "usage: ..." for one command to err and returns kExitUsage.
int usageError(const CliCommand& command, CliIo& io, const std::string& problem);
