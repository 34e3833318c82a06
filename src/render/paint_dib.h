#pragma once

#include <QPainter>
#include <QRect>

#include "artwork/dib.h"

// A rectangle of a picture, right and bottom exclusive. right < left draws the picture
// mirrored left to right, bottom < top draws it upside down.
struct DibRect {
  int left, top, right, bottom;
};

enum class DibPaintOp { Copy, Invert };

// Draws the source rectangle of the picture into dest, scaled without smoothing (each
// destination pixel takes the colour of one source pixel). Pixels outside the picture come out
// black. Returns 1 when something was drawn, 0 without a picture or with an empty rectangle.
int paintDib(QPainter& painter, const QRect& dest, const Dib* dib, const DibRect& src, DibPaintOp op);
