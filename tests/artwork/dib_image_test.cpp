#include <gtest/gtest.h>

#include <QImage>

#include "render/dib_image.h"

namespace {

QImage Indexed(int w, int h) {
  QImage image(w, h, QImage::Format_Indexed8);
  QList<QRgb> table;
  for (int i = 0; i < 256; ++i) table.push_back(qRgb(i, 255 - i, (i * 7) & 0xFF));
  image.setColorTable(table);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, static_cast<uint>((x * 3 + y * 5) & 0xFF));
  return image;
}

void ExpectSamePixels(const QImage& image, const Dib& dib) {
  ASSERT_EQ(DibWidth(dib), image.width());
  ASSERT_EQ(DibHeight(dib), image.height());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ASSERT_EQ(DibPixel(dib, x, y), image.pixel(x, y) & 0xFFFFFF) << x << ',' << y;
}

TEST(DibImage, ConvertsBothWaysKeepingEveryPixel) {
  const QImage indexed = Indexed(13, 7);
  QImage mono(19, 3, QImage::Format_Mono);
  mono.setColorTable({qRgb(10, 20, 30), qRgb(200, 210, 220)});
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 19; ++x) mono.setPixel(x, y, static_cast<uint>((x + y) % 3 == 0));
  QImage rgb(5, 4, QImage::Format_ARGB32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) rgb.setPixel(x, y, qRgb(x * 50, y * 60, 77));

  const auto fromIndexed = BitmapToDib(indexed);
  const auto fromMono = BitmapToDib(mono);
  const auto fromRgb = BitmapToDib(rgb);
  ASSERT_TRUE(fromIndexed && fromMono && fromRgb);
  EXPECT_EQ(DibBitCount(*fromIndexed), 8);
  EXPECT_EQ(DibBitCount(*fromMono), 1);
  EXPECT_EQ(DibBitCount(*fromRgb), 24);
  ExpectSamePixels(indexed, *fromIndexed);
  ExpectSamePixels(mono, *fromMono);
  ExpectSamePixels(rgb, *fromRgb);
  ExpectSamePixels(DibToBitmap(fromIndexed.get()), *fromIndexed);
  EXPECT_TRUE(DibToBitmap(nullptr).isNull());
  EXPECT_FALSE(BitmapToDib(QImage()));
}

}  // namespace
