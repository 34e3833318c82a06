#pragma once

#include <QImage>
#include <QRect>

#include "artwork/tile_image.h"

class QPainter;

// Draws the set's picture of an element stretched over `dest`. Elements without a picture
// draw nothing (the cell stays black).
void drawTileImage(QPainter& painter, const QRect& dest, const ArtworkSet& set, int element);

// The set's picture of an element at side x side pixels, exactly as drawTileImage draws it on
// an unscaled painter; a null image without a picture.
QImage cachedTileImage(const ArtworkSet& set, int element, int side);
