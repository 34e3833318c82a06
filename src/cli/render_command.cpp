// cavernia-level render FILE -o OUT.png: draws a level with the editor's own painting code.
#include <QImage>
#include <QString>
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/program_folder.h"
#include "artwork/artwork_sets.h"
#include "level/level.h"
#include "level/level_file.h"
#include "render/level_painter.h"

namespace {

// The largest picture the tool makes; 126 cells of 60 pixels fit with room to spare.
constexpr int kMaxCell = 200;

int runRender(const std::vector<std::string>& args, CliIo& io) {
  std::string input, output, artwork;
  int cell = 30;
  bool grid = true;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "-o" || arg == "--output") {
      if (!hasValue) return usageError(kRenderCommand, io, "-o needs a file name");
      output = args[++i];
    } else if (arg == "--cell") {
      if (!hasValue) return usageError(kRenderCommand, io, "--cell needs a number of pixels");
      try {
        size_t used = 0;
        cell = std::stoi(args[++i], &used);
        if (used != args[i].size()) throw std::invalid_argument("trailing text");
      } catch (const std::exception&) {
        return usageError(kRenderCommand, io, "--cell takes a whole number of pixels");
      }
      if (cell < 1 || cell > kMaxCell)
        return usageError(kRenderCommand, io, "--cell must be between 1 and " + std::to_string(kMaxCell));
    } else if (arg == "--artwork") {
      if (!hasValue) return usageError(kRenderCommand, io, "--artwork needs a set name");
      artwork = args[++i];
    } else if (arg == "--no-grid") {
      grid = false;
    } else if (!arg.empty() && arg[0] == '-') {
      return usageError(kRenderCommand, io, "unknown option " + arg);
    } else if (input.empty()) {
      input = arg;
    } else {
      return usageError(kRenderCommand, io, "only one level at a time");
    }
  }
  if (input.empty()) return usageError(kRenderCommand, io, "no file given");
  if (output.empty()) return usageError(kRenderCommand, io, "-o OUT.png is needed");

  Level level;
  loadArtworkSets(programFolder());
  struct Stop {
    ~Stop() { freeArtworkSets(); }
  } stop;
  if (const FileResult read = readLevelFile(input, level); !read.ok) {
    io.err << "cavernia-level render: " << read.message() << '\n';
    return kExitFailed;
  }
  // The set named on the command line wins over the level's own.
  const ArtworkSet* set = artwork.empty() ? &levelArtwork(level) : findArtworkSet(artwork);
  if (!set) {
    io.err << "cavernia-level render: there is no artwork set named " << artwork << '\n';
    return kExitFailed;
  }
  const QImage image = drawLevelPicture(level, *set, cell, grid);
  if (image.isNull()) {
    io.err << "cavernia-level render: not enough memory for a " << level.width() * cell << " x "
           << level.height() * cell << " picture\n";
    return kExitFailed;
  }
  if (!image.save(QString::fromStdString(output), "PNG")) {
    io.err << "cavernia-level render: " << output << ": cannot write the picture\n";
    return kExitFailed;
  }
  return kExitOk;
}

}  // namespace

constexpr CliOption kRenderOptions[] = {
    {"-o, --output OUT.png", "the PNG picture to write"},
    {"--cell N", "the side of a cell in pixels, 1 to 200 (default: 30)"},
    {"--artwork NAME", "draw with this artwork set instead of the one the level names"},
    {"--no-grid", "leave out the lines between the cells"}};

const CliCommand kRenderCommand{"render", "FILE -o OUT.png [--cell N] [--artwork NAME] [--no-grid]",
                                "draw the level into a PNG picture, as the editor shows it", kRenderOptions, runRender};
