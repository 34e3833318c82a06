#pragma once

#include <QImage>
#include <QRect>

#include "artwork/tile_image.h"

class QPainter;

// Draws the set's picture of an element stretched over `dest`. Elements without a picture
// draw nothing (the cell stays black).
void DrawTileImage(QPainter& painter, const QRect& dest, const ArtworkSet& set, int element);

// The set's picture of an element at side x side pixels, exactly as DrawTileImage draws it on
// an unscaled painter; a null image without a picture.
QImage KeptTileImage(const ArtworkSet& set, int element, int side);
