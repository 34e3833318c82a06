// cavernia-level check FILE...: reads each level and says whether it is sound.
#include <ostream>

#include "app/cli/cli_commands.h"
#include "level/level.h"
#include "level/level_file.h"

namespace {

int RunCheck(const std::vector<std::string>& args, CliIo& io) {
  if (args.empty()) return UsageError(kCheckCommand, io, "no file given");
  int status = EXIT_OK;
  for (const std::string& path : args) {
    Level level;
    const FileResult result = ReadLevelFile(path, level);
    if (result.ok) {
      io.out << path << ": ok\n";
    } else {
      // The message starts with the file name already.
      const std::string reason = result.message.substr(path.size() + 2);
      io.out << path << ": error: " << reason << '\n';
      status = EXIT_FAILED;
    }
  }
  return status;
}

}  // namespace

const CliCommand kCheckCommand{"check", "FILE...", "read each level and report 'FILE: ok' or 'FILE: error: REASON'",
                               RunCheck};
