#pragma once

#include <QImage>
#include <memory>

#include "artwork/dib.h"

// The picture as a screen image (32-bit RGB); a null image without a picture.
QImage dibToBitmap(const Dib* dib);

// A new picture with the image's pixels: 1 or 8 bits with the image's colour table for
// monochrome and indexed images, 24 bits for everything else. nullptr for a null image.
std::unique_ptr<Dib> bitmapToDib(const QImage& image);
