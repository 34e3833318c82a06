// cavernia-level check [--strict] FILE...: reads each level and says whether it is sound.
#include <ostream>

#include "cli/cli_commands.h"
#include "level/cp1252.h"
#include "level/level.h"
#include "level/level_checks.h"
#include "level/level_file.h"
#include "level/warning_text.h"

namespace {

int runCheck(const std::vector<std::string>& args, CliIo& io) {
  bool strict = false;
  std::vector<std::string> paths;
  for (const std::string& arg : args) {
    if (arg == "--strict")
      strict = true;
    else
      paths.push_back(arg);
  }
  if (paths.empty()) return usageError(kCheckCommand, io, "no file given");
  int status = kExitOk;
  for (const std::string& path : paths) {
    Level level;
    const FileResult result = readLevelFile(path, level);
    if (!result.ok) {
      // The message starts with the file name already.
      const std::string reason = result.message().substr(path.size() + 2);
      io.out << path << ": error: " << reason << '\n';
      status = kExitFailed;
      continue;
    }
    io.out << path << ": ok\n";
    if (!strict) continue;
    for (const LevelWarning& warning : checkLevel(level, path)) {
      io.out << path << ": warning: " << cp1252ToUtf8(warningLine(warning)) << '\n';
      status = kExitFailed;
    }
  }
  return status;
}

}  // namespace

constexpr CliOption kCheckOptions[] = {
    {"--strict", "also report each level's warnings ('FILE: warning: ...') and fail on any"}};

const CliCommand kCheckCommand{"check", "[--strict] FILE...",
                               "read each level and report 'FILE: ok' or 'FILE: error: REASON'", kCheckOptions,
                               runCheck};
