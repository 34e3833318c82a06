#pragma once

#include <QPainter>
#include <QRect>
#include <QSize>
#include <cstdint>

#include "artwork/tile_image.h"

// Draws a tile picture over the whole rectangle (given in the painter's coordinates): the
// picture's (0, 0)-(size) part, mirrored, flipped and inverted as the flags say. Nothing is
// drawn without a picture.
void drawImage(QPainter& painter, const QRect& dest, const Dib* image, QSize imageSize, uint8_t flags);

inline void drawImage(QPainter& painter, const QRect& dest, const TileImage& record) {
  drawImage(painter, dest, record.image, QSize(record.width, record.height), record.flags);
}
