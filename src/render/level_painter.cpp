#include "render/level_painter.h"

#include <QPainter>

#include "level/level.h"
#include "render/tile_images.h"
#include "render/view_geometry.h"

namespace {
const QColor kGridColour(128, 128, 128);
}

void PaintLevel(QImage& target, const QRect& clip, const Level& level, int cellSize, bool showGrid) {
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
      if (element != NO_ELEMENT) DrawTileImage(painter, CellRect(col, row, cellSize).translated(-clip.topLeft()), element);
    }
  }
  if (showGrid) DrawGrid(painter, clip, cellSize, level.width(), level.height());
}

void DrawGrid(QPainter& painter, const QRect& clip, int cellSize, int levelWidth, int levelHeight) {
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
