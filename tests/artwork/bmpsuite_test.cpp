// The public sample pictures: the reader refuses the broken ones and reads the good ones
// exactly as Qt's own reader shows them.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <set>

#include "artwork/dib_reader.h"

namespace {

std::set<std::filesystem::path> files(const std::string& kind) {
  const std::filesystem::directory_iterator files(std::string(CAVERNIA_BMPSUITE_DIR) + "/" + kind);
  return {begin(files), end(files)};
}

// The broken files are refused, harmless oddities read; every good file but the one with the core
// header is read pixel for pixel.
TEST(BmpSuite, RefusesTheBrokenFilesAndReadsEveryGoodFileExceptTheCoreHeaderAsQtDoes) {
  // Odd resolution, file-size or planes fields, or a pixel index beyond the colour table.
  const std::set<std::string> harmless = {"baddens1.bmp", "baddens2.bmp", "badfilesize.bmp", "badplanes.bmp",
                                          "pal8badindex.bmp"};
  const auto paths = files("bad");
  ASSERT_GE(paths.size(), 20u);
  for (const auto& path : paths) {
    const std::string name = path.filename().string();
    const auto dib = loadDibFile(path.string());
    EXPECT_EQ(dib != nullptr, harmless.contains(name)) << name;
    EXPECT_EQ(dib ? dibWidth(*dib) : 127, 127) << name;
  }
  ASSERT_GE(files("good").size(), 27u);
  for (const auto& path : files("good")) {
    const auto dib = loadDibFile(path.string());
    EXPECT_EQ(dib != nullptr, path.filename() != "pal8os2.bmp") << path;
    if (!dib) continue;
    const QImage qt = QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(qt.size(), QSize(dibWidth(*dib), dibHeight(*dib))) << path;
    int differing = 0;
    for (int y = 0; y < qt.height(); ++y)
      for (int x = 0; x < qt.width(); ++x) differing += (qt.pixel(x, y) & 0xFFFFFF) != dibPixel(*dib, x, y);
    EXPECT_EQ(differing, 0) << path;
  }
}

}  // namespace
