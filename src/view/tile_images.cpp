#include "view/tile_images.h"

#include "artwork/artwork_sets.h"
#include "artwork/qt/draw_image.h"

void DrawTileImage(QPainter& painter, const QRect& dest, int element) {
  const ArtworkSet* set = CurrentArtworkSet();
  if (!set || !IsElement(element)) return;
  const TileImage& record = set->images[element];
  DrawImage(painter, dest, record.image, QSize(record.width, record.height), record.flags);
}
