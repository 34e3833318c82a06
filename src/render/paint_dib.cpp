#include "render/paint_dib.h"

#include <QImage>
#include <cstdlib>
#include <vector>

namespace {

// Source coordinate of each destination pixel along one axis: the pixel whose centre the
// destination pixel's centre falls on, counted backwards for a reversed range.
std::vector<int> sampleAxis(int from, int to, int destLength) {
  const int span = std::abs(to - from);
  std::vector<int> samples(static_cast<size_t>(destLength));
  for (int i = 0; i < destLength; ++i) {
    const int offset = static_cast<int>((2LL * i + 1) * span / (2LL * destLength));
    samples[static_cast<size_t>(i)] = to >= from ? from + offset : from - 1 - offset;
  }
  return samples;
}

}  // namespace

int paintDib(QPainter& painter, const QRect& dest, const Dib* dib, const DibRect& src, DibPaintOp op) {
  if (!dib || dest.width() <= 0 || dest.height() <= 0 || src.left == src.right || src.top == src.bottom) return 0;
  const std::vector<int> columns = sampleAxis(src.left, src.right, dest.width());
  const std::vector<int> rows = sampleAxis(src.top, src.bottom, dest.height());
  const QRgb flip = op == DibPaintOp::Invert ? 0x00FFFFFFu : 0;

  QImage image(dest.size(), QImage::Format_RGB32);
  std::vector<QRgb> sourceRow(static_cast<size_t>(dibWidth(*dib)));
  int decodedRow = -1;
  for (int y = 0; y < dest.height(); ++y) {
    const int row = rows[static_cast<size_t>(y)];
    if (row != decodedRow) {  // each source row is decoded once however often it is used
      for (int x = 0; x < dibWidth(*dib); ++x) sourceRow[static_cast<size_t>(x)] = dibPixel(*dib, x, row);
      decodedRow = row;
    }
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < dest.width(); ++x) {
      const int column = columns[static_cast<size_t>(x)];
      const QRgb rgb = column >= 0 && column < dibWidth(*dib) ? sourceRow[static_cast<size_t>(column)] : 0;
      line[x] = 0xFF000000u | (rgb ^ flip);
    }
  }
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(dest.topLeft(), image);
  painter.restore();
  return 1;
}
