#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "artwork/dib_reader.h"
#include "render/dib_image.h"
#include "support/level_text.h"
#include "view/level_printer.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

bool near(QRgb a, QRgb b) {
  return std::abs(qRed(a) - qRed(b)) <= 12 && std::abs(qGreen(a) - qGreen(b)) <= 12 &&
         std::abs(qBlue(a) - qBlue(b)) <= 12;
}

}  // namespace

// The cell size fits the used extent into the printable area; the page image covers the used
// extent of the whole store.
TEST(Printing, PageCellSizeAndImageCoverTheUsedExtentOfTheWholeStore) {
  EXPECT_EQ(pageCellSize({4800, 6600}, {126, 126}), 38) << "a full level";
  EXPECT_EQ(pageCellSize({4800, 6600}, {1, 1}), 300) << "one cell is never larger than 300";
  EXPECT_EQ(pageCellSize({2000, 6600}, {10, 5}), 200) << "the narrow side decides";
  EXPECT_EQ(pageCellSize({6600, 400}, {10, 5}), 80);
  EXPECT_EQ(pageCellSize({100, 100}, {126, 126}), 0) << "a page too small for one pixel a cell";

  Level level = sizedLevel(5, 3);
  level.setElement(0, 0, EL_WALL);
  level.setElement(9, 3, EL_RUBY);  // outside the level's size: printed all the same
  QImage page(2000, 900, QImage::Format_RGB32);
  page.fill(kWhite);
  QPainter painter(&page);
  QFile::remove(printImagePath());
  drawLevelPage(painter, page.size(), level);
  painter.end();

  const std::unique_ptr<Dib> dib = loadDibFile(printImagePath().toStdString());
  const QImage bitmap = dib ? dibToBitmap(dib.get()).convertToFormat(QImage::Format_RGB32) : QImage();
  ASSERT_EQ(bitmap.size(), QSize(10 * 8, 4 * 8)) << "the page image is written as " << printImagePath().toStdString();
  EXPECT_EQ(bitmap, printImage(level).convertToFormat(QImage::Format_RGB32));
  EXPECT_FALSE(bitmapToDib(QImage()));
  // 10 x 4 cells on 2000 x 900 pixels: 200 pixels a cell from the top-left, each picture pixel
  // a sharp block of 25 x 25.
  for (int y = 0; y < bitmap.height(); ++y)
    for (int x = 0; x < bitmap.width(); ++x) {
      ASSERT_EQ(page.pixel(x * 25 + 2, y * 25 + 2), bitmap.pixel(x, y)) << x << "," << y;
      ASSERT_EQ(page.pixel(x * 25 + 22, y * 25 + 22), bitmap.pixel(x, y)) << x << "," << y;
    }
  EXPECT_EQ(page.pixel(1000, 4 * 200), kWhite) << "nothing below the picture";
}

TEST(Printing, PdfPageShowsTheLevelAtTheTopLeft) {
  Level level;
  level.setElement(0, 0, EL_RUBY);
  QTemporaryDir folder;
  const QString pdf = folder.filePath("level.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFileName(pdf);
  printer.setResolution(300);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageMargins({}, QPageLayout::Millimeter);
  ASSERT_TRUE(printLevel(printer, level));
  const QImage cell = printImage(level).convertToFormat(QImage::Format_RGB32);

  // The top-left 400 x 400 pixels of the page at 300 dots an inch.
  const QString tool = QStandardPaths::findExecutable("pdftoppm");
  if (tool.isEmpty()) GTEST_SKIP() << "pdftoppm is not installed (tools/setup.sh installs it)";
  QProcess::execute(tool, {"-r", "300", "-x", "0", "-y", "0", "-W", "400", "-H", "400", "-singlefile", pdf, pdf});
  const QImage page = QImage(pdf + ".ppm").convertToFormat(QImage::Format_RGB32);
  // One cell of 300 page pixels: each picture pixel a block of 37.5; look at the block centres.
  const auto centre = [](int n) { return (2 * n + 1) * 300 / 16; };
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_TRUE(near(page.pixel(centre(x), centre(y)), cell.pixel(x, y)));
  EXPECT_TRUE(near(page.pixel(310, 150), kWhite)) << "the cell ends at 300";
  EXPECT_TRUE(near(page.pixel(150, 310), kWhite));
}
