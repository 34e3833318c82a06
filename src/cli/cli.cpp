#include "cli/cli.h"

#include <ostream>
#include <string>

#include "cli/cli_commands.h"

namespace {

constexpr const char* kVersion = "0.9";

// The texts of commands and options start in one column, which help2man also reads as a
// list of terms for the manual page.
constexpr size_t kTextColumn = 26;

void printOptions(std::ostream& out, const CliCommand& command, const std::string& indent) {
  for (const CliOption& option : command.options) {
    const std::string term = indent + option.flags;
    out << term << std::string(term.size() + 2 <= kTextColumn ? kTextColumn - term.size() : 2, ' ') << option.text << '\n';
  }
}

void printHelp(std::ostream& out) {
  out << "Usage: cavernia-level COMMAND [ARGS...]\n"
         "\n"
         "Checks, normalises and describes Cavernia level files (.lev).\n"
         "\n"
         "commands:\n";
  for (const CliCommand& command : cliCommands()) {
    out << "  " << command.name << ' ' << command.usage << '\n' << std::string(kTextColumn, ' ') << command.summary << '\n';
    printOptions(out, command, "    ");
  }
  out << "\n"
         "options:\n"
         "  -h, --help     show this help (or COMMAND --help for one command)\n"
         "  --version      show the version\n"
         "\n"
         "exit status:\n"
         "  0  everything worked\n"
         "  1  a file could not be read or written; check --strict found a warning; pack found a broken\n"
         "     link, a stray or an unreadable file; diff found a difference; merge found a conflict\n"
         "  2  a usage error: an unknown command or option, a missing or surplus argument; diff or merge\n"
         "     could not read or write a level\n";
}

}  // namespace

std::span<const CliCommand> cliCommands() {
#ifdef CAVERNIA_CLI_MODEL_ONLY
  // A build without Qt has the commands that neither draw nor write JSON.
  static const CliCommand commands[] = {kCheckCommand, kFormatCommand, kMergeCommand};
#else
  static const CliCommand commands[] = {kCheckCommand, kFormatCommand, kInfoCommand, kArtworkCommand, kRenderCommand,
                                         kPackCommand,  kDiffCommand,   kMergeCommand};
#endif
  return commands;
}

int usageError(const CliCommand& command, CliIo& io, const std::string& problem) {
  if (!problem.empty()) io.err << "cavernia-level " << command.name << ": " << problem << '\n';
  io.err << "usage: cavernia-level " << command.name << ' ' << command.usage << '\n';
  return kExitUsage;
}

int runCli(const std::vector<std::string>& args, CliIo& io) {
  if (args.empty()) {
    printHelp(io.err);
    return kExitUsage;
  }
  const std::string& first = args[0];
  if (first == "-h" || first == "--help" || first == "help") {
    printHelp(io.out);
    return kExitOk;
  }
  if (first == "--version") {
    io.out << "cavernia-level " << kVersion << '\n';
    return kExitOk;
  }
  for (const CliCommand& command : cliCommands()) {
    if (first != command.name) continue;
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    for (const std::string& arg : rest) {
      if (arg == "-h" || arg == "--help") {
        io.out << "usage: cavernia-level " << command.name << ' ' << command.usage << "\n" << command.summary << '\n';
        printOptions(io.out, command, "  ");
        return kExitOk;
      }
    }
    return command.run(rest, io);
  }
  io.err << "cavernia-level: unknown command '" << first << "' (try --help)\n";
  return kExitUsage;
}
