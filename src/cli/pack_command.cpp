// cavernia-level pack DIR: the levels of a folder in the order their "Next level" values chain them.
#include <QJsonArray>
#include <QString>
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/gui_application.h"
#include "cli/json_output.h"
#include "cli/program_folder.h"
#include "artwork/artwork_sets.h"
#include "level/level_pack.h"
#include "level/text_util.h"
#include "render/level_thumbnail.h"

namespace {

std::string trimmed(std::string_view text) {
  std::string_view t = trimmedRight(text);
  while (!t.empty() && isBlank(t.front())) t.remove_prefix(1);
  return std::string(t);
}

std::string fieldOf(const PackLevel& level, Property property) { return trimmed(level.level.text(property)); }

std::string fileList(const LevelPack& pack, const std::vector<int>& indexes, const char* separator) {
  std::string list;
  for (int i : indexes) list += (list.empty() ? "" : separator) + pack.levels[i].file;
  return list;
}

void printLevel(const PackLevel& level, std::ostream& out) {
  const std::string toCollect = fieldOf(level, Property::Emeralds);
  out << "  " << level.file << ": \"" << fieldOf(level, Property::Name) << "\", " << level.level.width() << " x "
      << level.level.height() << ", " << level.level.emeraldTotal() << " emeralds, "
      << (toCollect.empty() ? "none" : toCollect) << " to collect, " << level.warnings
      << (level.warnings == 1 ? " warning\n" : " warnings\n");
}

void printText(const LevelPack& pack, std::ostream& out) {
  for (size_t c = 0; c < pack.chains.size(); ++c) {
    out << "chain " << c + 1 << (c > 0 ? " (stray):\n" : ":\n");
    for (int i : pack.chains[c]) printLevel(pack.levels[i], out);
  }
  std::vector<bool> inChain(pack.levels.size(), false);
  for (const std::vector<int>& chain : pack.chains)
    for (int i : chain) inChain[i] = true;
  bool headed = false;
  for (int i : pack.unreachable) {
    if (inChain[i]) continue;  // listed with its stray chain
    if (!headed) out << "not reached by any chain:\n";
    headed = true;
    printLevel(pack.levels[i], out);
  }
  for (size_t c = 1; c < pack.chains.size(); ++c)
    out << "stray: " << pack.levels[pack.chains[c][0]].file << ": no level leads to it; its chain: "
        << fileList(pack, pack.chains[c], " -> ") << '\n';
  for (const PackLevel& level : pack.levels)
    if (level.brokenLink)
      out << "broken link: " << level.file << ": next level \"" << fieldOf(level, Property::NextLevel)
          << "\" is not in the folder\n";
  for (const std::vector<int>& group : pack.duplicateNames)
    out << "duplicate name: \"" << fieldOf(pack.levels[group[0]], Property::Name) << "\": " << fileList(pack, group, ", ")
        << '\n';
  for (const std::vector<int>& cycle : pack.cycles)
    out << "cycle: " << fileList(pack, cycle, " -> ") << " -> " << pack.levels[cycle[0]].file << '\n';
  for (const PackLevel& level : pack.levels)
    if (!level.readable()) out << "cannot read: " << level.file << ": " << level.error << '\n';
}

QJsonArray jsonFiles(const LevelPack& pack, const std::vector<int>& indexes) {
  QJsonArray files;
  for (int i : indexes) files.append(jsonLocalText(pack.levels[i].file));
  return files;
}

void printJson(const std::string& folder, const LevelPack& pack, std::ostream& out) {
  QJsonArray levels, brokenLinks, unreadable;
  for (int i : pack.order()) {
    const PackLevel& level = pack.levels[i];
    if (!level.readable()) continue;  // listed under "unreadable"
    levels.append(QJsonObject{{"file", jsonLocalText(level.file)},
                              {"name", jsonLevelText(fieldOf(level, Property::Name))},
                              {"width", level.level.width()},
                              {"height", level.level.height()},
                              {"emeraldTotal", level.level.emeraldTotal()},
                              {"emeraldsToCollect", jsonLevelText(fieldOf(level, Property::Emeralds))},
                              {"warnings", level.warnings},
                              {"next", jsonLevelText(fieldOf(level, Property::NextLevel))},
                              {"brokenLink", level.brokenLink},
                              {"stray", level.stray},
                              {"duplicateName", level.duplicateName}});
  }
  for (const PackLevel& level : pack.levels) {
    if (level.brokenLink)
      brokenLinks.append(
          QJsonObject{{"file", jsonLocalText(level.file)}, {"next", jsonLevelText(fieldOf(level, Property::NextLevel))}});
    if (!level.readable())
      unreadable.append(QJsonObject{{"file", jsonLocalText(level.file)}, {"error", jsonLocalText(level.error)}});
  }
  QJsonArray chains, strays, duplicateNames, cycles;
  for (const std::vector<int>& chain : pack.chains) chains.append(jsonFiles(pack, chain));
  for (size_t c = 1; c < pack.chains.size(); ++c)
    strays.append(QJsonObject{{"file", jsonLocalText(pack.levels[pack.chains[c][0]].file)},
                              {"chain", jsonFiles(pack, pack.chains[c])}});
  for (const std::vector<int>& group : pack.duplicateNames)
    duplicateNames.append(QJsonObject{{"name", jsonLevelText(fieldOf(pack.levels[group[0]], Property::Name))},
                                      {"files", jsonFiles(pack, group)}});
  for (const std::vector<int>& cycle : pack.cycles) cycles.append(jsonFiles(pack, cycle));
  writeJson({{"folder", jsonLocalText(folder)},
             {"clean", pack.clean()},
             {"levels", levels},
             {"first", pack.chains.empty() ? QJsonValue() : jsonLocalText(pack.levels[pack.chains[0][0]].file)},
             {"chains", chains},
             {"unreachable", jsonFiles(pack, pack.unreachable)},
             {"strays", strays},
             {"brokenLinks", brokenLinks},
             {"duplicateNames", duplicateNames},
             {"cycles", cycles},
             {"unreadable", unreadable}},
            out);
}

int runPack(const std::vector<std::string>& args, CliIo& io) {
  std::string folder, sheet;
  bool json = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--json") {
      json = true;
    } else if (arg == "--sheet") {
      if (i + 1 >= args.size()) return usageError(kPackCommand, io, "--sheet needs a file name");
      sheet = args[++i];
    } else if (!arg.empty() && arg[0] == '-') {
      return usageError(kPackCommand, io, "unknown option " + arg);
    } else if (folder.empty()) {
      folder = arg;
    } else {
      return usageError(kPackCommand, io, "only one folder at a time");
    }
  }
  if (folder.empty()) return usageError(kPackCommand, io, "no folder given");

  const LevelPack pack = readLevelPack(folder);
  if (!pack.error.empty()) {
    io.err << "cavernia-level pack: " << pack.error << '\n';
    return kExitFailed;
  }
  if (json)
    printJson(folder, pack, io.out);
  else
    printText(pack, io.out);
  if (!sheet.empty()) {
    ensureGuiApplication();
    loadArtworkSets(programFolder());
    const QImage picture = drawPackSheet(pack);
    freeArtworkSets();
    if (picture.isNull() || !picture.save(QString::fromStdString(sheet), "PNG")) {
      io.err << "cavernia-level pack: " << sheet << ": cannot write the picture\n";
      return kExitFailed;
    }
  }
  return pack.clean() ? kExitOk : kExitFailed;
}

}  // namespace

constexpr CliOption kPackOptions[] = {{"--json", "print the same as one JSON object"},
                                      {"--sheet OUT.png", "also draw the levels as thumbnails into a PNG picture"}};

const CliCommand kPackCommand{"pack", "DIR [--json] [--sheet OUT.png]",
                              "list the levels of a folder in the order their Next level chains them, with broken "
                              "links, strays (levels nothing leads to, beside the first), duplicate names, cycles and "
                              "unreadable files",
                              kPackOptions, runPack};
