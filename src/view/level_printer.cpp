#include "view/level_printer.h"

#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "artwork/dib_writer.h"
#include "render/dib_image.h"
#include "level/brannoc_doc.h"
#include "level/cp1252.h"
#include "view/program_printer.h"
#include "render/tile_images.h"
#include "render/view_geometry.h"

namespace {

QSize UsedExtent(const CBrannocDoc& doc) {
  const CSize extent = doc.GetUsedExtent();
  return {extent.cx, extent.cy};
}

QString DocumentName(const CBrannocDoc& doc) { return QString::fromStdString(Cp1252ToUtf8(doc.UnmarkedTitle())); }

void PreparePrinter(QPrinter& printer, const CBrannocDoc& doc) {
  printer.setDocName(DocumentName(doc));
  printer.setFromTo(0, 0);  // one page, always
}

}  // namespace

QImage PrintImage(const CBrannocDoc& doc) {
  const QSize extent = UsedExtent(doc);
  QImage image(extent * PRINT_IMAGE_CELL, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::black);
  QPainter painter(&image);
  for (int row = 0; row < extent.height(); ++row) {
    for (int col = 0; col < extent.width(); ++col) {
      const CTile* tile = doc.m_grid[col][row].get();
      if (tile && IsElement(tile->m_nElement))
        DrawTileImage(painter, CellRect(col, row, PRINT_IMAGE_CELL), tile->m_nElement);
    }
  }
  return image;
}

int PageCellSize(QSize printable, QSize extent) {
  if (extent.width() <= 0 || extent.height() <= 0) return 0;
  return std::max(0, std::min({printable.width() / extent.width(), printable.height() / extent.height(), MAX_PAGE_CELL}));
}

QString PrintImagePath() { return QDir(QDir::tempPath()).filePath("vorelprint.bmp"); }

void DrawLevelPage(QPainter& painter, QSize printable, const CBrannocDoc& doc) {
  const QSize extent = UsedExtent(doc);
  const QImage image = PrintImage(doc);
  const std::unique_ptr<Dib> dib = BitmapToDib(image);
  if (!dib) return;  // no memory for the picture: the page stays empty
  // The page image is a by-product for whoever wants the picture; failing to write it does
  // not stop the page.
  SaveDibFile(dib.get(), PrintImagePath().toStdString());
  const int cell = PageCellSize(printable, extent);
  if (cell == 0) return;
  painter.save();
  // Each of the 8 x 8 pixels of a cell becomes a sharp block; the printer does the enlarging,
  // so the page carries the small picture and not one of printer resolution.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setRenderHint(QPainter::LosslessImageRendering);  // no JPEG blur on a PDF page
  painter.drawImage(QRect(QPoint(0, 0), extent * cell), image);
  painter.restore();
}

bool PrintLevel(QPrinter& printer, const CBrannocDoc& doc) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  DrawLevelPage(painter, QSize(printer.width(), printer.height()), doc);
  return painter.end();
}

void OnFilePrint(const CBrannocDoc& doc, QWidget* parent) {
  QPrinter& printer = ProgramPrinter();
  PreparePrinter(printer, doc);
  QPrintDialog dialog(&printer, parent);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!PrintLevel(printer, doc)) {
    const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    QMessageBox::warning(parent, "Cavernia Level Editor",
                         QString("The level \"%1\" could not be printed: the printer \"%2\" could not be started.")
                             .arg(DocumentName(doc), where));
  }
}

void OnFilePrintPreview(const CBrannocDoc& doc, QWidget* parent) {
  QPrinter& printer = ProgramPrinter();
  PreparePrinter(printer, doc);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setWindowTitle("Print Preview");
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&doc](QPrinter* target) {
    QPainter painter(target);
    DrawLevelPage(painter, QSize(target->width(), target->height()), doc);
  });
  preview.exec();
}
