#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>
#include <memory>

#include "app/command_line.h"
#include "app/commands/command_ids.h"
#include "artwork/dib_reader.h"
#include "render/dib_image.h"
#include "gui_support.h"
#include "modal_dialog.h"
#include "level/brannoc_doc.h"
#include "view/level_printer.h"
#include "view/program_printer.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
constexpr int kDpi = 300;

std::unique_ptr<CBrannocDoc> NewLevel() {
  auto doc = std::make_unique<CBrannocDoc>();
  doc->OnNewDocument();
  return doc;
}

// A PDF printer at 300 dots an inch, so that one device pixel is one pixel of the page
// rendered at 300 dots an inch.
void MakePdfPrinter(QPrinter& printer, const QString& path, QMarginsF margins = {}) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setResolution(kDpi);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setPageMargins(margins, QPageLayout::Millimeter);
}

// The top-left w x h pixels of the PDF's first page at 300 dots an inch; null without pdftoppm.
QImage RenderPage(const QString& pdf, int w, int h) {
  const QString tool = QStandardPaths::findExecutable("pdftoppm");
  if (tool.isEmpty()) return {};
  const QString out = pdf + "-page";
  QProcess::execute(tool, {"-r", QString::number(kDpi), "-x", "0", "-y", "0", "-W", QString::number(w), "-H",
                           QString::number(h), "-singlefile", pdf, out});
  return QImage(out + ".ppm").convertToFormat(QImage::Format_RGB32);
}

bool Near(QRgb a, QRgb b, int tolerance = 12) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QRgb MeanColour(const QImage& image, const QRect& area) {
  long r = 0, g = 0, b = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb c = image.pixel(x, y);
      r += qRed(c), g += qGreen(c), b += qBlue(c);
    }
  const long n = std::max<long>(1, static_cast<long>(area.width()) * area.height());
  return qRgb(int(r / n), int(g / n), int(b / n));
}

QImage PrintedBitmap() {
  const std::unique_ptr<Dib> dib = LoadDibFile(PrintImagePath().toStdString());
  return dib ? DibToBitmap(dib.get()).convertToFormat(QImage::Format_RGB32) : QImage();
}

}  // namespace

TEST(Printing, PageCellSizeFitsTheUsedExtentIntoThePrintableArea) {
  EXPECT_EQ(PageCellSize({4800, 6600}, {126, 126}), 38) << "a full level";
  EXPECT_EQ(PageCellSize({4800, 6600}, {1, 1}), 300) << "one cell is never larger than 300";
  EXPECT_EQ(PageCellSize({4800, 6600}, {10, 5}), 300);
  EXPECT_EQ(PageCellSize({2000, 6600}, {10, 5}), 200) << "the narrow side decides";
  EXPECT_EQ(PageCellSize({6600, 400}, {10, 5}), 80);
  EXPECT_EQ(PageCellSize({100, 100}, {126, 126}), 0) << "a page too small for one pixel a cell";
}

TEST(Printing, PageImageCoversTheUsedExtentOfTheWholeStore) {
  EditorSession session;
  auto doc = NewLevel();
  doc->m_nWidth = 5;
  doc->m_nHeight = 3;
  doc->PlaceTile(0, 0, EL_WALL);
  doc->PlaceTile(9, 3, EL_EMERALD);  // outside the level's size: printed all the same
  QImage page(2000, 900, QImage::Format_RGB32);
  page.fill(kWhite);
  QPainter painter(&page);
  QFile::remove(PrintImagePath());
  DrawLevelPage(painter, page.size(), *doc);
  painter.end();

  const QImage bitmap = PrintedBitmap();
  ASSERT_FALSE(bitmap.isNull()) << "the page image is written as " << PrintImagePath().toStdString();
  EXPECT_EQ(bitmap.size(), QSize(10 * 8, 4 * 8));
  EXPECT_EQ(bitmap, PrintImage(*doc).convertToFormat(QImage::Format_RGB32));
  EXPECT_EQ(bitmap.pixel(8 + 4, 4), kBlack) << "empty cells are black";
  EXPECT_NE(bitmap.pixel(9 * 8 + 4, 3 * 8 + 4), kBlack);

  // 10 x 4 cells on 2000 x 900 pixels: 200 pixels a cell (the width decides), from the top-left, each picture
  // pixel a sharp block of 25 x 25.
  for (int y = 0; y < bitmap.height(); ++y)
    for (int x = 0; x < bitmap.width(); ++x) {
      ASSERT_EQ(page.pixel(x * 25 + 2, y * 25 + 2), bitmap.pixel(x, y)) << x << "," << y;
      ASSERT_EQ(page.pixel(x * 25 + 22, y * 25 + 22), bitmap.pixel(x, y)) << x << "," << y;
    }
  EXPECT_EQ(page.pixel(1000, 4 * 200), kWhite) << "nothing below the picture";
  EXPECT_EQ(doc->m_nCellWidth, DEFAULT_CELL_SIZE);
}

TEST(Printing, SingleTileFillsA300PixelCellAtTheTopLeftOfThePdfPage) {
  EditorSession session;
  auto doc = NewLevel();
  doc->PlaceTile(0, 0, EL_RUBY);
  QTemporaryDir folder;
  const QString pdf = folder.filePath("level.pdf");
  QPrinter printer(QPrinter::HighResolution);
  MakePdfPrinter(printer, pdf);
  ASSERT_TRUE(PrintLevel(printer, *doc));
  const QImage cell = PrintImage(*doc).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(cell.size(), QSize(8, 8));

  const QImage page = RenderPage(pdf, 400, 400);
  if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed (tools/setup.sh installs it)";
  ASSERT_EQ(page.size(), QSize(400, 400));
  // Each picture pixel is a block of 300 / 8 = 37.5 page pixels; look at the block centres.
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const QPoint at(x * 300 / 8 + 18, y * 300 / 8 + 18);
      ASSERT_TRUE(Near(page.pixel(at), cell.pixel(x, y))) << x << "," << y;
    }
  EXPECT_TRUE(Near(page.pixel(310, 150), kWhite)) << "the cell ends at 300";
  EXPECT_TRUE(Near(page.pixel(150, 310), kWhite));
  EXPECT_TRUE(Near(page.pixel(390, 390), kWhite));
}

TEST(Printing, FullLevelIsScaledToFitFromThePrintableAreasCorner) {
  EditorSession session;
  auto doc = NewLevel();
  doc->PlaceTile(0, 0, EL_WALL);
  doc->PlaceTile(125, 125, EL_WALL);
  QTemporaryDir folder;
  const QString pdf = folder.filePath("full.pdf");
  QPrinter printer(QPrinter::HighResolution);
  MakePdfPrinter(printer, pdf, QMarginsF(10, 20, 10, 10));  // millimetres
  const QPoint corner = printer.pageLayout().paintRectPixels(kDpi).topLeft();
  const int s = PageCellSize(QSize(printer.width(), printer.height()), QSize(126, 126));
  ASSERT_EQ(s, printer.width() / 126) << "the width of an A4 portrait page decides";
  ASSERT_TRUE(PrintLevel(printer, *doc));

  const QImage page = RenderPage(pdf, corner.x() + 126 * s + 20, corner.y() + 126 * s + 20);
  if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed (tools/setup.sh installs it)";
  // At 17 pixels a cell the picture's pixels are about two page pixels wide: compare the
  // cells' mean colours rather than single pixels, leaving out a pixel at the edges for the
  // rounding of the corner to whole pixels.
  const QRgb wall = MeanColour(PrintImage(*doc), QRect(1, 1, 6, 6));
  const auto cell = [&](int col, int row) {
    return MeanColour(page, QRect(corner + QPoint(col * s, row * s), QSize(s, s)).adjusted(2, 2, -2, -2));
  };
  EXPECT_TRUE(Near(cell(0, 0), wall, 24)) << std::hex << cell(0, 0) << " " << wall;
  EXPECT_TRUE(Near(cell(125, 125), wall, 24)) << std::hex << cell(125, 125) << " " << wall;
  EXPECT_EQ(cell(1, 0), kBlack) << "cell (1, 0) is empty";
  EXPECT_TRUE(Near(page.pixel(corner - QPoint(3, 3)), kWhite)) << "the margin stays blank";
  EXPECT_TRUE(Near(page.pixel(corner + QPoint(126 * s + 4, 60)), kWhite)) << "the picture ends after 126 cells";
  EXPECT_TRUE(Near(page.pixel(corner + QPoint(60, 126 * s + 4)), kWhite));
}

TEST(Printing, EmptyLevelPrintsOneBlackCell) {
  EditorSession session;
  auto doc = NewLevel();
  QTemporaryDir folder;
  const QString pdf = folder.filePath("empty.pdf");
  QPrinter printer(QPrinter::HighResolution);
  MakePdfPrinter(printer, pdf);
  ASSERT_TRUE(PrintLevel(printer, *doc));
  EXPECT_EQ(PrintedBitmap().size(), QSize(8, 8));
  const QImage page = RenderPage(pdf, 320, 320);
  if (page.isNull()) GTEST_SKIP() << "pdftoppm is not installed (tools/setup.sh installs it)";
  EXPECT_TRUE(Near(page.pixel(2, 2), kBlack));
  EXPECT_TRUE(Near(page.pixel(297, 297), kBlack));
  EXPECT_TRUE(Near(page.pixel(303, 150), kWhite));
  EXPECT_TRUE(Near(page.pixel(150, 303), kWhite));
}

TEST(Printing, CommandsUseTheProgramsPrinterAndLeaveTheViewsAlone) {
  EditorSession session;
  CBrannocView& view = *session.Child()->LevelView();
  CBrannocDoc& doc = view.Document();
  doc.PlaceTile(2, 1, EL_EMERALD);
  doc.SetCellSize(60);
  QTemporaryDir folder;
  const QString pdf = folder.filePath("command.pdf");
  MakePdfPrinter(ProgramPrinter(), pdf);
  for (int id : {cmd::FILE_PRINT, cmd::FILE_PRINT_PREVIEW, cmd::FILE_PRINT_SETUP})
    EXPECT_TRUE(App().Router()->Query(id).enabled) << id;

  // Cancelled: nothing printed.
  WhenDialogOpens<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
  EXPECT_TRUE(App().Router()->Execute(cmd::FILE_PRINT));
  EXPECT_FALSE(QFile::exists(pdf));

  QFile::remove(PrintImagePath());
  WhenDialogOpens<QPrintDialog>([](QPrintDialog* dialog) { dialog->accept(); });
  App().Router()->Execute(cmd::FILE_PRINT);
  EXPECT_TRUE(QFile::exists(pdf));
  EXPECT_EQ(PrintedBitmap().size(), QSize(3 * 8, 2 * 8));

  // The preview draws the same page, and rewrites the page image each time it does.
  QFile::remove(PrintImagePath());
  WhenDialogOpens<QDialog>([](QDialog* dialog) { dialog->reject(); });
  App().Router()->Execute(cmd::FILE_PRINT_PREVIEW);
  EXPECT_EQ(PrintedBitmap().size(), QSize(3 * 8, 2 * 8));

  WhenDialogOpens<QDialog>([](QDialog* dialog) { dialog->reject(); });
  App().Router()->Execute(cmd::FILE_PRINT_SETUP);

  EXPECT_EQ(doc.m_nCellWidth, 60);
  EXPECT_EQ(doc.m_nCellHeight, 60);
  EXPECT_EQ(view.horizontalScrollBar()->maximum() + view.viewport()->width(), 126 * 60);
  EXPECT_FALSE(doc.IsModified());
}

TEST(Printing, CommandLinePrintsALevelFileWithoutAWindow) {
  struct Line {
    QStringList arguments;
    CommandLine::Action action;
    QString file, printer;
  };
  for (const Line& c : {Line{{"--print", "a.lev"}, CommandLine::PRINT, "a.lev", ""},
                        Line{{"--print-to", "Office", "a.lev"}, CommandLine::PRINT, "a.lev", "Office"},
                        Line{{"--print"}, CommandLine::USAGE_ERROR}, Line{{"--print-to"}, CommandLine::USAGE_ERROR},
                        Line{{"--print-to", "Office"}, CommandLine::USAGE_ERROR},
                        Line{{"--print", "a.lev", "b.lev"}, CommandLine::USAGE_ERROR}}) {
    const CommandLine line = ParseCommandLine(c.arguments);
    EXPECT_EQ(line.action, c.action) << c.arguments.join(' ').toStdString();
    if (c.action == CommandLine::PRINT) EXPECT_EQ(line.file + "|" + line.printer, c.file + "|" + c.printer);
  }

  const QString level = CAVERNIA_EXAMPLES_DIR "/key-vault.lev";
  QTemporaryDir folder;
  QPrinter pdf(QPrinter::HighResolution);
  MakePdfPrinter(pdf, folder.filePath("cli.pdf"));
  QString errors;
  QTextStream stream(&errors);
  EXPECT_EQ(App().PrintInstance(level, QString(), stream, &pdf), 0) << errors.toStdString();
  EXPECT_GT(QFileInfo(pdf.outputFileName()).size(), 0);
  EXPECT_GT(PrintedBitmap().width(), 8) << "the level's cells, not an empty page";
  for (QWidget* widget : QApplication::topLevelWidgets()) EXPECT_FALSE(widget->isVisible());
  // Each failure is said on the error stream, and the status says it failed.
  for (const auto& [file, printer, says] : {std::tuple<QString, QString, QString>{"/no/such/lost.lev", "", "lost.lev"},
                                            {level, "No Such Printer", "no printer named \"No Such Printer\""}}) {
    errors.clear();
    EXPECT_EQ(App().PrintInstance(file, printer, stream), 1);
    EXPECT_TRUE(errors.contains(says)) << errors.toStdString();
  }
}
