#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "artwork/dib_reader.h"

namespace {

// Whatever good file the reader takes shows exactly the pixels Qt's own reader shows.
TEST(BmpSuiteAgainstQt, AcceptedGoodFilesMatchQtPixelForPixel) {
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(CAVERNIA_BMPSUITE_DIR) + "/good")) {
    const std::string path = entry.path().string();
    const auto dib = LoadDibFile(path);
    if (!dib) continue;
    const QImage qt = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(qt.isNull()) << path;
    ASSERT_EQ(qt.width(), DibWidth(*dib)) << path;
    ASSERT_EQ(qt.height(), DibHeight(*dib)) << path;
    int differing = 0;
    for (int y = 0; y < qt.height(); ++y)
      for (int x = 0; x < qt.width(); ++x) differing += (qt.pixel(x, y) & 0xFFFFFF) != DibPixel(*dib, x, y);
    EXPECT_EQ(differing, 0) << path;
    ++compared;
  }
  EXPECT_GE(compared, 26);
}

}  // namespace
