#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

// The cavernia-level tool for people who maintain level packs.

constexpr int EXIT_OK = 0;
constexpr int EXIT_FAILED = 1;
constexpr int EXIT_USAGE = 2;

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
std::span<const CliCommand> CliCommands();

// Runs the tool with its arguments (without the program name); returns the exit status.
int RunCli(const std::vector<std::string>& args, CliIo& io);

// Writes "usage: ..." for one command to err and returns EXIT_USAGE.
int UsageError(const CliCommand& command, CliIo& io, const std::string& problem);
