// cavernia-level diff A B [--json]: what differs between two levels, in a designer's words.
// With --git it takes the seven arguments git gives an external diff program.
#include <QJsonArray>
#include <QString>
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/gui_application.h"
#include "cli/json_output.h"
#include "cli/program_folder.h"
#include "artwork/artwork_sets.h"
#include "level/level.h"
#include "level/level_diff.h"
#include "level/level_file.h"
#include "render/cell_outlines.h"

namespace {

// git passes 7 arguments, 9 for a renamed file (the new name and a note follow), and only the
// path for a file that is not merged yet.
constexpr size_t kGitArguments = 7, kGitRenameArguments = 9, kGitUnmergedArguments = 1;
constexpr int kImageCell = 30;

QJsonObject jsonDifference(const LevelDifference& d) {
  using Kind = LevelDifference::Kind;
  QJsonObject object{{"text", QString::fromStdString(d.text())}};
  switch (d.kind) {
    case Kind::Property:
      object["kind"] = "property";
      object["property"] = propertyInfo(*d.property).jsonName;
      object["old"] = jsonLevelText(d.oldValue);
      object["new"] = jsonLevelText(d.newValue);
      break;
    case Kind::Cells:
      object["kind"] = "cells";
      object["left"] = d.cells.left;
      object["top"] = d.cells.top;
      object["right"] = d.cells.right;
      object["bottom"] = d.cells.bottom;
      object["old"] = QString::fromStdString(elementText(d.oldElement).english());
      object["new"] = QString::fromStdString(elementText(d.newElement).english());
      break;
    case Kind::Remainder:
      object["kind"] = "remainder";
      object["slot"] = d.remainder + 1;
      object["old"] = jsonLevelText(d.oldValue);
      object["new"] = jsonLevelText(d.newValue);
      break;
    case Kind::ExtraLineAdded:
      object["kind"] = "extraLineAdded";
      object["line"] = jsonLevelText(d.newValue);
      break;
    case Kind::ExtraLineRemoved:
      object["kind"] = "extraLineRemoved";
      object["line"] = jsonLevelText(d.oldValue);
      break;
  }
  return object;
}

bool readSide(const std::string& path, Level& level, CliIo& io) {
  if (const FileResult read = readLevelFile(path, level); !read.ok) {
    io.err << "cavernia-level diff: " << read.message() << '\n';
    return false;
  }
  return true;
}

// git names a side that does not exist /dev/null: the level is added or deleted.
int runGit(const std::vector<std::string>& args, CliIo& io) {
  if (args.size() == kGitUnmergedArguments) {
    io.out << "level " << args[0] << ": not merged yet\n";
    return kExitOk;
  }
  const std::string path = args.size() == kGitRenameArguments ? args[0] + " -> " + args[7] : args[0];
  const std::string& oldFile = args[1];
  const std::string& newFile = args[4];
  const bool added = oldFile == "/dev/null", deleted = newFile == "/dev/null";
  Level before, after;
  if ((!added && !readSide(oldFile, before, io)) || (!deleted && !readSide(newFile, after, io))) return kExitUsage;
  if (added || deleted) {
    const Level& level = added ? after : before;
    io.out << "level " << path << (added ? ": added, " : ": deleted, ")
           << propertyValueText(Property::Name, level.text(Property::Name)).english() << ", " << level.width()
           << " x " << level.height() << '\n';
    return kExitOk;
  }
  const std::vector<LevelDifference> differences = diffLevels(before, after);
  io.out << "level " << path << (differences.empty() ? ": the same level\n" : "\n");
  for (const LevelDifference& d : differences) io.out << "  " << d.text() << '\n';
  return kExitOk;
}

int runDiff(const std::vector<std::string>& args, CliIo& io) {
  if (!args.empty() && args[0] == "--git") {
    const std::vector<std::string> git(args.begin() + 1, args.end());
    if (git.size() != kGitArguments && git.size() != kGitRenameArguments && git.size() != kGitUnmergedArguments)
      return usageError(kDiffCommand, io,
                        "--git takes the arguments git passes: PATH OLD OLD-HEX OLD-MODE NEW NEW-HEX NEW-MODE");
    return runGit(git, io);
  }
  std::vector<std::string> files;
  std::string image;
  bool json = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--json") {
      json = true;
    } else if (arg == "--image") {
      if (i + 1 >= args.size()) return usageError(kDiffCommand, io, "--image needs a file name");
      image = args[++i];
    } else if (!arg.empty() && arg[0] == '-') {
      return usageError(kDiffCommand, io, "unknown option " + arg);
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 2) return usageError(kDiffCommand, io, "two levels are needed");
  Level before, after;
  if (!readSide(files[0], before, io) || !readSide(files[1], after, io)) return kExitUsage;
  const std::vector<LevelDifference> differences = diffLevels(before, after);
  if (json) {
    QJsonArray list;
    for (const LevelDifference& d : differences) list.append(jsonDifference(d));
    writeJson({{"old", jsonLocalText(files[0])}, {"new", jsonLocalText(files[1])}, {"same", differences.empty()},
               {"differences", list}},
              io.out);
  } else {
    for (const LevelDifference& d : differences) io.out << d.text() << '\n';
  }
  if (!image.empty()) {
    ensureGuiApplication();
    loadArtworkSets(programFolder());
    const QImage picture = drawOutlinedLevelPicture(after, levelArtwork(after), changedCells(differences), kImageCell);
    freeArtworkSets();
    if (picture.isNull() || !picture.save(QString::fromStdString(image), "PNG")) {
      io.err << "cavernia-level diff: " << image << ": cannot write the picture\n";
      return kExitUsage;
    }
  }
  return differences.empty() ? kExitOk : kExitFailed;
}

}  // namespace

constexpr CliOption kDiffOptions[] = {
    {"--json", "print the differences as one JSON object"},
    {"--image OUT.png", "also draw B as the editor does, each changed cell outlined"},
    {"--git ...", "as git's external diff program (diff.NAME.command): always exit 0 once compared"}};

const CliCommand kDiffCommand{"diff",
                              "A B [--json] [--image OUT.png] | --git PATH OLD OLD-HEX OLD-MODE NEW NEW-HEX NEW-MODE",
                              "what differs from level A to level B: properties, cells, remainders, extra lines; "
                              "exit 0 when they are the same level, 1 when they differ",
                              kDiffOptions, runDiff};
