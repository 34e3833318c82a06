// picture_gen: draws the program's own element pictures. Always the same bytes for the same
// source, so the build can embed them and ship the second artwork set made from them.
//   picture_gen --embed FILE.cpp   the built-in pictures as C++ arrays
//   picture_gen --night FOLDER     the "Night" set: a darker palette, only some elements
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "bmp_file.h"
#include "drawings.h"
#include "level/elements.h"

namespace {

// Night keeps the shapes and moves every colour towards a cold, dark blue.
Canvas nightTone(const Canvas& day) {
  Canvas night(day.width(), day.height());
  for (int y = 0; y < day.height(); ++y)
    for (int x = 0; x < day.width(); ++x) {
      const Rgb c = day.get(x, y);
      night.set(x, y, {static_cast<uint8_t>(c.r * 45 / 100), static_cast<uint8_t>(c.g * 55 / 100),
                       static_cast<uint8_t>(std::min(255, c.b * 70 / 100 + 45))});
    }
  return night;
}

// The Night set leaves the rest to the default set, and the lorry and beast heading right to
// their left-heading partners, so both ways of filling gaps show.
constexpr int kNightElements[] = {EL_EARTH,     EL_SAND,      EL_FULL_SAND,  EL_WALL,   EL_STONEWALL,
                                  EL_ROUNDED_WALL, EL_ROCK,   EL_EMERALD,    EL_LORRY_LEFT, EL_YAMYAM_LEFT,
                                  EL_BUG_UP,    EL_PLAYER1};

bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool writeEmbedded(const std::filesystem::path& path) {
  std::string text =
      "// Made by picture_gen from the drawings in src/artwork/picture_gen; do not edit.\n"
      "#include \"artwork/builtin_pictures.h\"\n\nnamespace {\n";
  for (int element = 0; element < kElementCount; ++element) {
    const std::string bmp = encodeBmp8(drawElement(element));
    if (bmp.empty()) {
      std::cerr << "picture_gen: element " << element << " uses more than 256 colours\n";
      return false;
    }
    text += "const uint8_t kPicture" + std::to_string(element) + "[] = {";
    for (size_t i = 0; i < bmp.size(); ++i) {
      text += (i % 24 == 0 ? "\n    " : "") + std::to_string(static_cast<unsigned char>(bmp[i])) + ",";
    }
    text += "\n};\n";
  }
  text += "const std::span<const uint8_t> kPictures[] = {\n";
  for (int element = 0; element < kElementCount; ++element) text += "    kPicture" + std::to_string(element) + ",\n";
  text +=
      "};\n}  // namespace\n\n"
      "std::span<const uint8_t> builtinPictureFile(int element) {\n"
      "  if (element < 0 || element >= static_cast<int>(std::size(kPictures))) return {};\n"
      "  return kPictures[element];\n}\n";
  return writeFile(path, text);
}

bool writeNight(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (int element : kNightElements) {
    const std::string bmp = encodeBmp8(nightTone(drawElement(element)));
    if (bmp.empty() || !writeFile(folder / elementTable()[element].imageFile, bmp)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    const bool ok = option == "--embed" ? writeEmbedded(argv[i + 1]) : option == "--night" ? writeNight(argv[i + 1]) : false;
    if (!ok) {
      std::cerr << "picture_gen: cannot do " << option << ' ' << argv[i + 1] << '\n';
      return 1;
    }
  }
  return argc >= 3 ? 0 : 2;
}
