#include "render/contact_sheet.h"

#include <QFont>
#include <QPainter>

#include "render/draw_image.h"

namespace {

constexpr int kSizes[] = {15, 30, 60};
constexpr int kRowsPerColumn = 25;
constexpr int kRowHeight = 68;
constexpr int kColumnWidth = 480;
constexpr int kTitleHeight = 40;

}  // namespace

QImage drawContactSheet(const ArtworkSet& set) {
  const int columns = (kElementCount + kRowsPerColumn - 1) / kRowsPerColumn;
  QImage sheet(columns * kColumnWidth, kTitleHeight + kRowsPerColumn * kRowHeight, QImage::Format_RGB32);
  sheet.fill(QColor(72, 72, 80));
  QPainter painter(&sheet);
  QFont font = painter.font();
  font.setPixelSize(15);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(10, 0, sheet.width() - 20, kTitleHeight), Qt::AlignVCenter,
                   QString("Artwork set: %1").arg(QString::fromStdString(set.name)));

  for (const ElementInfo& element : elementTable()) {
    const int x0 = 10 + (element.index / kRowsPerColumn) * kColumnWidth;
    const int y0 = kTitleHeight + (element.index % kRowsPerColumn) * kRowHeight;
    int x = x0;
    for (const int size : kSizes) {
      const QRect cell(x, y0 + (60 - size) / 2, size, size);
      painter.fillRect(cell, Qt::black);
      drawImage(painter, cell, set.images[element.index]);
      x += size + 8;
    }
    painter.drawText(QRect(x + 4, y0, x0 + kColumnWidth - x - 14, 60), Qt::AlignVCenter,
                     QString("%1  %2").arg(element.index).arg(element.name));
  }
  return sheet;
}
