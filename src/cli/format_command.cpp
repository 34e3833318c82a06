// cavernia-level format FILE [-o OUT]: writes a level back exactly as the editor saves it.
#include <iostream>

#include "cli/cli_commands.h"
#include "level/level.h"
#include "level/level_io.h"
#include "level/level_file.h"

namespace {

int runFormat(const std::vector<std::string>& args, CliIo& io) {
  std::string input;
  std::string output;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" || args[i] == "--output") {
      if (i + 1 >= args.size()) return usageError(kFormatCommand, io, "-o needs a file name");
      output = args[++i];
    } else if (!args[i].empty() && args[i][0] == '-' && args[i] != "-") {
      return usageError(kFormatCommand, io, "unknown option " + args[i]);
    } else if (input.empty()) {
      input = args[i];
    } else {
      return usageError(kFormatCommand, io, "only one file can be formatted at a time");
    }
  }
  if (input.empty()) return usageError(kFormatCommand, io, "no file given");

  Level level;
  if (const FileResult read = readLevelFile(input, level); !read.ok) {
    io.err << "cavernia-level format: " << read.message() << '\n';
    return kExitFailed;
  }
  const std::string text = levelText(level);
  if (output.empty() || output == "-") {
    io.out << text;
    return io.out.good() ? kExitOk : kExitFailed;
  }
  if (const FileResult written = writeFileAtomically(output, text); !written.ok) {
    io.err << "cavernia-level format: " << written.message() << '\n';
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace

constexpr CliOption kFormatOptions[] = {{"-o, --output OUT", "write to OUT instead of standard output ('-': standard output)"}};

const CliCommand kFormatCommand{"format", "FILE [-o OUT]",
                                "write FILE back exactly as the editor saves it, to OUT or to standard output",
                                kFormatOptions, runFormat};
