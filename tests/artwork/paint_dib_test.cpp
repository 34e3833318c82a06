#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "render/draw_image.h"
#include "render/paint_dib.h"

namespace {

// A 24-bit picture whose every pixel has its own colour: red = x * 4, green = y * 4.
std::unique_ptr<Dib> gradient(int32_t w, int32_t h) {
  auto dib = Dib::create(w, h, 24, 0);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      uint8_t* p = dibRow(*dib, y) + 3 * x;
      p[0] = 0x80, p[1] = static_cast<uint8_t>(y * 4), p[2] = static_cast<uint8_t>(x * 4);
    }
  return dib;
}

QImage blankCanvas(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::black);
  return image;
}

uint32_t at(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

TEST(PaintDib, StretchesWithoutSmoothingOnlyIntoTheDestinationAndDrawImageTurnsTheMeasuredPart) {
  const auto dib = gradient(32, 32);
  QImage big = blankCanvas(68, 68), small = blankCanvas(15, 15);
  {
    QPainter a(&big), b(&small);
    EXPECT_EQ(paintDib(a, {2, 2, 64, 64}, nullptr, {0, 0, 32, 32}, DibPaintOp::Copy), 0);
    EXPECT_EQ(paintDib(a, {2, 2, 64, 64}, dib.get(), {0, 0, 0, 32}, DibPaintOp::Copy), 0);
    EXPECT_EQ(paintDib(a, {2, 2, 64, 64}, dib.get(), {0, 0, 32, 32}, DibPaintOp::Copy), 1);
    paintDib(b, {0, 0, 15, 15}, dib.get(), {0, 0, 32, 32}, DibPaintOp::Copy);
  }
  for (int y = 0; y < 68; ++y)
    for (int x = 0; x < 68; ++x) {
      const bool inside = x >= 2 && x < 66 && y >= 2 && y < 66;
      ASSERT_EQ(at(big, x, y), inside ? dibPixel(*dib, (x - 2) / 2, (y - 2) / 2) : 0u) << x << ',' << y;
    }
  // Shrinking drops rows and columns: every pixel is one of the picture's, never a blend,
  // and the corners come from near the picture's corners.
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 15; ++x) {
      const uint32_t p = at(small, x, y);
      ASSERT_TRUE((p & 0xFF) == 0x80 && (p >> 16) % 4 == 0 && (p >> 8 & 0xFF) % 4 == 0) << x << ',' << y;
    }
  EXPECT_LE(at(small, 0, 0) >> 16, 4u * 2);
  EXPECT_GE(at(small, 14, 14) >> 16, 4u * 29);

  // Mirroring, flipping and inverting are paintDib's, through the rectangles and the operation
  // drawImage hands it; only the measured part of a wider picture is shown, over the whole cell.
  const auto wide = gradient(40, 32);
  for (uint8_t flags : {0, 1, 2, 3, 8, 9, 10, 11}) {
    QImage cell = blankCanvas(32, 32);
    {
      QPainter painter(&cell);
      painter.translate(-100, -200);  // cells are placed in level pixels
      drawImage(painter, {100, 200, 32, 32}, wide.get(), {32, 32}, static_cast<uint8_t>(flags | kImageBorrowed));
    }
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) {
        const int sx = (flags & kImageMirrorHorizontal) ? 31 - x : x;
        const int sy = (flags & kImageFlipVertical) ? 31 - y : y;
        const uint32_t expected = dibPixel(*wide, sx, sy) ^ ((flags & kImageInvert) ? 0xFFFFFF : 0);
        ASSERT_EQ(at(cell, x, y), expected) << int(flags) << ' ' << x << ',' << y;
      }
  }
}

}  // namespace
