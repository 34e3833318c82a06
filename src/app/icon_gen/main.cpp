// Writes the program's icon pictures (PNG files) as C++ arrays of premultiplied ARGB pixels, so
// that the editor shows its icon without waking Qt's picture readers and their plugins.
//
//   icon_gen OUTPUT.cpp PICTURE.png...
#include <QImage>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: icon_gen OUTPUT.cpp PICTURE.png...\n";
    return 2;
  }
  // Written whole or not at all: a half-written source must not look up to date.
  std::ostringstream out;
  out << "// Written by icon_gen from the program's icon pictures.\n"
         "#include \"app/program_icon_pictures.h\"\n\n"
         "namespace {\n";
  std::string table;
  for (int i = 2; i < argc; ++i) {
    QImage picture(QString::fromLocal8Bit(argv[i]));
    if (picture.isNull() || picture.width() != picture.height()) {
      std::cerr << "icon_gen: " << argv[i] << " cannot be read as a square picture\n";
      return 1;
    }
    picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::string name = "kSide" + std::to_string(picture.width());
    out << "const unsigned " << name << "[] = {";
    for (int y = 0; y < picture.height(); ++y) {
      out << "\n";
      const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
      for (int x = 0; x < picture.width(); ++x) {
        char pixel[16];
        std::snprintf(pixel, sizeof pixel, "0x%08xu,", line[x]);
        out << pixel;
      }
    }
    out << "\n};\n";
    table += "    {" + std::to_string(picture.width()) + ", " + name + "},\n";
  }
  out << "}  // namespace\n\n"
         "const ProgramIconPicture kProgramIconPictures[] = {\n"
      << table << "};\n"
      << "const int kProgramIconPictureCount = " << argc - 2 << ";\n";
  std::ofstream file(argv[1]);
  file << out.str();
  return file ? 0 : 1;
}
