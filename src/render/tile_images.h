#pragma once

#include <QImage>
#include <QRect>

class QPainter;

// Draws the current artwork set's picture of an element stretched over `dest`. Elements
// without a picture, and a program without a current set, draw nothing (the cell stays black).
void DrawTileImage(QPainter& painter, const QRect& dest, int element);

// The current set's picture of an element at side x side pixels, exactly as DrawTileImage
// draws it on an unscaled painter; a null image without a picture.
QImage KeptTileImage(int element, int side);
