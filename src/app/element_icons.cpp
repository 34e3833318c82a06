#include "app/element_icons.h"

#include <QPainter>
#include <QPixmap>

#include "render/draw_image.h"

QIcon elementIcon(const ArtworkSet& set, int element) {
  if (!isElement(element)) return {};
  const TileImage& record = set.images[element];
  if (!record.image) return {};
  QIcon icon;
  // Small and large renderings, each scaled without smoothing as the level view does.
  for (int side : {16, 32}) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    drawImage(painter, QRect(0, 0, side, side), record.image, QSize(record.width, record.height), record.flags);
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}
