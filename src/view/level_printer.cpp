#include "view/level_printer.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "artwork/artwork_sets.h"
#include "artwork/dib_writer.h"
#include "editing/level_document.h"
#include "level/cp1252.h"
#include "level/level.h"
#include "render/dib_image.h"
#include "render/tile_images.h"
#include "render/view_geometry.h"
#include "view/program_printer.h"

namespace {

QSize usedExtent(const Level& level) {
  const CellRange extent = level.usedExtent();
  return {extent.width(), extent.height()};
}

QString documentName(const LevelDocument& document) { return QString::fromStdString(cp1252ToUtf8(document.title())); }

void preparePrinter(QPrinter& printer, const QString& documentName) {
  printer.setDocName(documentName);
  printer.setFromTo(0, 0);  // one page, always
}

}  // namespace

QImage printImage(const Level& level) {
  const QSize extent = usedExtent(level);
  QImage image(extent * kPrintImageCell, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::black);
  QPainter painter(&image);
  const ArtworkSet& artwork = levelArtwork(level);
  for (int row = 0; row < extent.height(); ++row)
    for (int col = 0; col < extent.width(); ++col)
      if (const int element = level.element(col, row); isElement(element))
        drawTileImage(painter, cellRect(col, row, kPrintImageCell), artwork, element);
  return image;
}

int pageCellSize(QSize printable, QSize extent) {
  if (extent.width() <= 0 || extent.height() <= 0) return 0;
  return std::max(0, std::min({printable.width() / extent.width(), printable.height() / extent.height(), kMaxPageCell}));
}

QString printImagePath() { return QDir(QDir::tempPath()).filePath("vorelprint.bmp"); }

void drawLevelPage(QPainter& painter, QSize printable, const Level& level) {
  const QSize extent = usedExtent(level);
  const QImage image = printImage(level);
  const std::unique_ptr<Dib> dib = bitmapToDib(image);
  if (!dib) return;  // no memory for the picture: the page stays empty
  // The page image is a by-product for whoever wants the picture; failing to write it does
  // not stop the page.
  saveDibFile(dib.get(), printImagePath().toStdString());
  const int cell = pageCellSize(printable, extent);
  if (cell == 0) return;
  painter.save();
  // Each of the 8 x 8 pixels of a cell becomes a sharp block; the printer does the enlarging,
  // so the page carries the small picture and not one of printer resolution.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setRenderHint(QPainter::LosslessImageRendering);  // no JPEG blur on a PDF page
  painter.drawImage(QRect(QPoint(0, 0), extent * cell), image);
  painter.restore();
}

bool printLevel(QPrinter& printer, const Level& level) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  drawLevelPage(painter, QSize(printer.width(), printer.height()), level);
  return painter.end();
}

void printWithDialog(const LevelDocument& document, QWidget* parent) {
  QPrinter& printer = programPrinter();
  const QString name = documentName(document);
  preparePrinter(printer, name);
  QPrintDialog dialog(&printer, parent);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!printLevel(printer, document.level())) {
    const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    QMessageBox::warning(parent, "Cavernia Level Editor",
                         QCoreApplication::translate(
                             "LevelPrinter",
                             "The level \"%1\" could not be printed: the printer \"%2\" could not be started.")
                             .arg(name, where));
  }
}

void showPrintPreview(const LevelDocument& document, QWidget* parent) {
  QPrinter& printer = programPrinter();
  preparePrinter(printer, documentName(document));
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle(QCoreApplication::translate("LevelPrinter", "Print Preview"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&document](QPrinter* target) {
    QPainter painter(target);
    drawLevelPage(painter, QSize(target->width(), target->height()), document.level());
  });
  preview.exec();
}
