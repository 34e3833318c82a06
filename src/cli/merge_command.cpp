// cavernia-level merge BASE OURS THEIRS [-o OUT]: a three-way merge of levels, usable as git's
// merge driver ("%O %A %B": the result replaces OURS).
#include <ostream>

#include "cli/cli_commands.h"
#include "level/level.h"
#include "level/level_file.h"
#include "level/level_merge.h"

namespace {

int runMerge(const std::vector<std::string>& args, CliIo& io) {
  std::vector<std::string> files;
  std::string output;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" || args[i] == "--output") {
      if (i + 1 >= args.size()) return usageError(kMergeCommand, io, "-o needs a file name");
      output = args[++i];
    } else if (!args[i].empty() && args[i][0] == '-') {
      return usageError(kMergeCommand, io, "unknown option " + args[i]);
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 3) return usageError(kMergeCommand, io, "three levels are needed: BASE OURS THEIRS");
  Level sides[3];
  for (int i = 0; i < 3; ++i)
    if (const FileResult read = readLevelFile(files[i], sides[i]); !read.ok) {
      io.err << "cavernia-level merge: " << read.message() << '\n';
      return kExitUsage;
    }
  const LevelMerge merge = mergeLevels(sides[0], sides[1], sides[2]);
  if (const FileResult written = saveLevelFile(merge.level, output.empty() ? files[1] : output); !written.ok) {
    io.err << "cavernia-level merge: " << written.message() << '\n';
    return kExitUsage;
  }
  for (const MergeConflict& conflict : merge.conflicts) io.out << conflict.text << '\n';
  return merge.conflicts.empty() ? kExitOk : kExitFailed;
}

}  // namespace

constexpr CliOption kMergeOptions[] = {{"-o, --output OUT", "write the result to OUT instead of OURS"}};

const CliCommand kMergeCommand{"merge", "BASE OURS THEIRS [-o OUT]",
                               "merge two levels made from BASE cell by cell and property by property into OURS; "
                               "exit 1 and list each conflict when both changed one thing differently (ours is kept)",
                               kMergeOptions, runMerge};
