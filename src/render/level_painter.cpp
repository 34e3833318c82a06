#include "render/level_painter.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "level/level.h"
#include "render/tile_images.h"
#include "render/view_geometry.h"

namespace {

const QColor kGridColour(128, 128, 128);
constexpr int kMaxStampSize = 1000;  // as large as the pictures the tile images keep
constexpr int kDotsPerMeter = 3937;  // 100 dots per inch

// A cell's pixels as painting gives them: its picture (black without one) and, with the grid,
// grey along its last pixel row and column.
QImage cellStamp(const ArtworkSet& set, int element, int cellSize, bool showGrid) {
  QImage stamp = cachedTileImage(set, element, cellSize);
  if (stamp.isNull()) {
    stamp = QImage(cellSize, cellSize, QImage::Format_RGB32);
    stamp.fill(Qt::black);
  }
  if (showGrid) {
    const QRgb grey = kGridColour.rgb();
    for (int y = 0; y < cellSize; ++y) reinterpret_cast<QRgb*>(stamp.scanLine(y))[cellSize - 1] = grey;
    std::fill_n(reinterpret_cast<QRgb*>(stamp.scanLine(cellSize - 1)), cellSize, grey);
  }
  return stamp;
}

// Copies each cell's stamp straight into an RGB32 picture of the clip: a screenful has
// thousands of small cells and hundreds of one-pixel lines, too many to draw one by one
// through a painter. The pixels are the same.
void copyCells(QImage& target, const QRect& clip, const Level& level, const ArtworkSet& set, int cellSize,
               bool showGrid) {
  const QRect area = clip & QRect(0, 0, level.width() * cellSize, level.height() * cellSize);
  if (area != clip) target.fill(Qt::black);
  if (area.isEmpty()) return;
  std::array<QImage, kElementCount + 1> stamps;  // the last one: an empty cell
  uchar* const bits = target.bits();
  const qsizetype stride = target.bytesPerLine();
  const int firstCol = area.left() / cellSize;
  const int lastCol = area.right() / cellSize;
  std::vector<const uchar*> rowStamps(static_cast<size_t>(lastCol - firstCol + 1));
  qsizetype stampStride = 0;
  for (int row = area.top() / cellSize; row <= area.bottom() / cellSize; ++row) {
    for (int col = firstCol; col <= lastCol; ++col) {
      const int element = level.element(col, row);
      const int slot = isElement(element) ? element : kElementCount;
      if (stamps[slot].isNull()) stamps[slot] = cellStamp(set, element, cellSize, showGrid);
      rowStamps[static_cast<size_t>(col - firstCol)] = stamps[slot].constBits();
      stampStride = stamps[slot].bytesPerLine();
    }
    // Pixel row by pixel row, so that the picture is written in the order it lies in memory.
    const int top = std::max(area.top(), row * cellSize);
    const int bottom = std::min(area.bottom(), row * cellSize + cellSize - 1);
    for (int y = top; y <= bottom; ++y) {
      uchar* const line = bits + (y - clip.top()) * stride;
      const qsizetype stampRow = (y - row * cellSize) * stampStride;
      for (int col = firstCol; col <= lastCol; ++col) {
        const int left = std::max(area.left(), col * cellSize);
        const int right = std::min(area.right(), col * cellSize + cellSize - 1);
        std::memcpy(line + (left - clip.left()) * 4,
                    rowStamps[static_cast<size_t>(col - firstCol)] + stampRow + (left - col * cellSize) * 4,
                    static_cast<size_t>(right - left + 1) * 4);
      }
    }
  }
}

}  // namespace

void paintLevel(QImage& target, const QRect& clip, const Level& level, const ArtworkSet& set, int cellSize,
                bool showGrid) {
  if (target.format() == QImage::Format_RGB32 && target.size() == clip.size() && cellSize > 0 &&
      cellSize <= kMaxStampSize)
    return copyCells(target, clip, level, set, cellSize, showGrid);
  target.fill(Qt::black);
  if (cellSize <= 0 || clip.isEmpty()) return;
  QPainter painter(&target);
  const int firstCol = std::clamp(clip.left() / cellSize, 0, level.width() - 1);
  const int lastCol = std::clamp((clip.right() + 1) / cellSize + 1, 0, level.width() - 1);
  const int firstRow = std::clamp(clip.top() / cellSize, 0, level.height() - 1);
  const int lastRow = std::clamp((clip.bottom() + 1) / cellSize + 1, 0, level.height() - 1);
  for (int row = firstRow; row <= lastRow; ++row) {
    for (int col = firstCol; col <= lastCol; ++col) {
      const int element = level.element(col, row);
      if (element != kNoElement)
        drawTileImage(painter, cellRect(col, row, cellSize).translated(-clip.topLeft()), set, element);
    }
  }
  if (showGrid) drawGrid(painter, clip, cellSize, level.width(), level.height());
}

QImage drawLevelPicture(const Level& level, const ArtworkSet& set, int cellSize, bool showGrid) {
  const QRect area(0, 0, level.width() * cellSize, level.height() * cellSize);
  QImage image(area.size(), QImage::Format_RGB32);
  if (image.isNull()) return image;
  paintLevel(image, area, level, set, cellSize, showGrid);
  // The stated density would follow the screen of whoever draws; the tool, which has no screen,
  // has always written 100 dots per inch, and the editor's pictures must be the same bytes.
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
  return image;
}

void drawGrid(QPainter& painter, const QRect& clip, int cellSize, int levelWidth, int levelHeight) {
  // Lines run along the last pixel column and row of every cell, and stop at the level's edge.
  const int right = std::min(clip.left() + clip.width(), levelWidth * cellSize) - clip.left();
  const int bottom = std::min(clip.top() + clip.height(), levelHeight * cellSize) - clip.top();
  if (right <= 0 || bottom <= 0) return;
  int xs = cellSize - ((clip.left() + 1) % cellSize);
  if (xs == cellSize) xs = 0;
  int ys = cellSize - ((clip.top() + 1) % cellSize);
  if (ys == cellSize) ys = 0;
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(kGridColour);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (int x = xs; x < right; x += cellSize) painter.drawRect(QRect(x, 0, 1, bottom));
  for (int y = ys; y < bottom; y += cellSize) painter.drawRect(QRect(0, y, right, 1));
  painter.restore();
}
