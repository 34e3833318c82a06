// cavernia-level artwork [--set NAME] -o SHEET.png: a contact sheet of one artwork set.
#include <QBuffer>
#include <QCoreApplication>
#include <cstdlib>
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/gui_application.h"
#include "artwork/artwork_sets.h"
#include "render/contact_sheet.h"
#include "level/level_file.h"

namespace {

std::string setNames() {
  std::string names;
  for (const auto& set : artworkSets()) names += (names.empty() ? "" : ", ") + set->name;
  return names;
}

int runArtwork(const std::vector<std::string>& args, CliIo& io) {
  std::string setName = "Default", output;
  for (size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--set" || args[i] == "-o") && i + 1 < args.size()) {
      (args[i] == "--set" ? setName : output) = args[i + 1];
      ++i;
    } else {
      return usageError(kArtworkCommand, io, "unexpected argument " + args[i]);
    }
  }
  if (output.empty()) return usageError(kArtworkCommand, io, "no output file given (-o SHEET.png)");

  ensureGuiApplication();
  loadArtworkSets(QCoreApplication::applicationDirPath().toStdString());
  struct Release {
    ~Release() { freeArtworkSets(); }
  } release;
  const ArtworkSet* set = findArtworkSet(setName);
  if (!set) {
    io.err << "cavernia-level artwork: there is no artwork set named '" << setName << "' (sets: " << setNames() << ")\n";
    return kExitFailed;
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!drawContactSheet(*set).save(&buffer, "PNG")) {
    io.err << "cavernia-level artwork: cannot encode the sheet as PNG\n";
    return kExitFailed;
  }
  if (const FileResult written = writeFileAtomically(output, png.toStdString()); !written.ok) {
    io.err << "cavernia-level artwork: " << written.message() << '\n';
    return kExitFailed;
  }
  io.out << output << ": set " << set->name << ", " << kElementCount << " elements\n";
  return kExitOk;
}

}  // namespace

constexpr CliOption kArtworkOptions[] = {{"--set NAME", "the artwork set to draw (default: Default)"},
                                         {"-o SHEET.png", "the PNG picture to write"}};

const CliCommand kArtworkCommand{"artwork", "[--set NAME] -o SHEET.png",
                                 "draw every element of an artwork set at 15, 30 and 60 pixels with its name",
                                 kArtworkOptions, runArtwork};
