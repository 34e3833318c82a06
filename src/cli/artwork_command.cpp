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

std::string SetNames() {
  std::string names;
  for (const auto& set : ArtworkSets()) names += (names.empty() ? "" : ", ") + set->name;
  return names;
}

int RunArtwork(const std::vector<std::string>& args, CliIo& io) {
  std::string setName = "Default", output;
  for (size_t i = 0; i < args.size(); ++i) {
    if ((args[i] == "--set" || args[i] == "-o") && i + 1 < args.size()) {
      (args[i] == "--set" ? setName : output) = args[i + 1];
      ++i;
    } else {
      return UsageError(kArtworkCommand, io, "unexpected argument " + args[i]);
    }
  }
  if (output.empty()) return UsageError(kArtworkCommand, io, "no output file given (-o SHEET.png)");

  EnsureGuiApplication();
  LoadArtworkSets(QCoreApplication::applicationDirPath().toStdString());
  struct Release {
    ~Release() { FreeArtworkSets(); }
  } release;
  const ArtworkSet* set = FindArtworkSet(setName);
  if (!set) {
    io.err << "cavernia-level artwork: there is no artwork set named '" << setName << "' (sets: " << SetNames() << ")\n";
    return EXIT_FAILED;
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  if (!DrawContactSheet(*set).save(&buffer, "PNG")) {
    io.err << "cavernia-level artwork: cannot encode the sheet as PNG\n";
    return EXIT_FAILED;
  }
  if (const FileResult written = WriteFileAtomically(output, png.toStdString()); !written.ok) {
    io.err << "cavernia-level artwork: " << written.message() << '\n';
    return EXIT_FAILED;
  }
  io.out << output << ": set " << set->name << ", " << ELEMENT_COUNT << " elements\n";
  return EXIT_OK;
}

}  // namespace

constexpr CliOption kArtworkOptions[] = {{"--set NAME", "the artwork set to draw (default: Default)"},
                                         {"-o SHEET.png", "the PNG picture to write"}};

const CliCommand kArtworkCommand{"artwork", "[--set NAME] -o SHEET.png",
                                 "draw every element of an artwork set at 15, 30 and 60 pixels with its name",
                                 kArtworkOptions, RunArtwork};
