// The page image of a print goes from Qt's image to a picture.
#include <gtest/gtest.h>

#include <QImage>

#include "render/dib_image.h"

namespace {

TEST(DibImage, KeepsEveryPixelOfAPage) {
  QImage rgb(5, 4, QImage::Format_ARGB32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) rgb.setPixel(x, y, qRgb(x * 50, y * 60, 77));
  const auto dib = bitmapToDib(rgb);
  ASSERT_TRUE(dib);
  EXPECT_EQ(dibBitCount(*dib), 24);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(dibPixel(*dib, x, y), rgb.pixel(x, y) & 0xFFFFFF) << x << ',' << y;
  EXPECT_FALSE(bitmapToDib(QImage()));
}

}  // namespace
