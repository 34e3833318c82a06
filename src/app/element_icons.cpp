#include "app/element_icons.h"

#include <QPainter>
#include <QPixmap>

#include "app/painted_icon.h"
#include "render/draw_image.h"

QIcon elementIcon(const ArtworkSet& set, int element) {
  if (!isElement(element)) return {};
  const TileImage& record = set.images[element];
  if (!record.image) return {};
  // Drawn at each size it is shown at, scaled without smoothing as the level view does. The
  // artwork sets live as long as the windows that show their icons.
  return paintedIcon([image = record.image, size = QSize(record.width, record.height), flags = record.flags](QSize side) {
    QPixmap pixmap(side);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    drawImage(painter, QRect(QPoint(), side), image, size, flags);
    return pixmap;
  });
}
