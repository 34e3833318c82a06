#include "render/cell_outlines.h"

#include <QPainter>
#include <algorithm>

#include "render/level_painter.h"

namespace {

const QColor kOutlineColour(255, 0, 255);
constexpr int kBand = 4;            // black, two pixels of colour, black
constexpr int kSmallestBanded = 12;  // below, a one-pixel line of colour leaves the cell visible

bool flagged(const CellFlags& cells, int x, int y, int width, int height) {
  return x >= 0 && y >= 0 && x < width && y < height && cells[y * Level::kMaxSize + x];
}

// Fills a strip along one side of a cell, inside the cell: the outer pixels black, the inner
// ones in colour.
void edge(QPainter& painter, const QRect& strip, bool vertical) {
  if (strip.width() < kBand && strip.height() < kBand) return painter.fillRect(strip, kOutlineColour);
  painter.fillRect(strip, Qt::black);
  painter.fillRect(vertical ? strip.adjusted(1, 0, -1, 0) : strip.adjusted(0, 1, 0, -1), kOutlineColour);
}

}  // namespace

CellFlags changedCells(const std::vector<LevelDifference>& differences) {
  CellFlags cells;
  for (const LevelDifference& d : differences) {
    if (d.kind != LevelDifference::Kind::Cells) continue;
    for (int y = d.cells.top; y <= d.cells.bottom; ++y)
      for (int x = d.cells.left; x <= d.cells.right; ++x) cells.set(y * Level::kMaxSize + x);
  }
  return cells;
}

void DrawCellOutlines(QPainter& painter, const QRect& clip, const CellFlags& cells, int cellSize, int levelWidth,
                      int levelHeight) {
  if (cells.none() || cellSize < 1) return;
  const int s = cellSize;
  const int band = s < kSmallestBanded ? 1 : kBand;
  const int left = std::max(0, clip.left() / s), top = std::max(0, clip.top() / s);
  const int right = std::min(levelWidth - 1, clip.right() / s), bottom = std::min(levelHeight - 1, clip.bottom() / s);
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) {
      if (!flagged(cells, x, y, levelWidth, levelHeight)) continue;
      // Only the sides that border an unflagged cell: a changed area gets one outline.
      const QRect cell(x * s, y * s, s, s);
      if (!flagged(cells, x - 1, y, levelWidth, levelHeight)) edge(painter, {cell.left(), cell.top(), band, s}, true);
      if (!flagged(cells, x + 1, y, levelWidth, levelHeight))
        edge(painter, {cell.right() - band + 1, cell.top(), band, s}, true);
      if (!flagged(cells, x, y - 1, levelWidth, levelHeight)) edge(painter, {cell.left(), cell.top(), s, band}, false);
      if (!flagged(cells, x, y + 1, levelWidth, levelHeight))
        edge(painter, {cell.left(), cell.bottom() - band + 1, s, band}, false);
    }
}

QImage DrawOutlinedLevelPicture(const Level& level, const ArtworkSet& set, const CellFlags& cells, int cellSize) {
  QImage picture = DrawLevelPicture(level, set, cellSize, true);
  if (picture.isNull()) return picture;
  QPainter painter(&picture);
  DrawCellOutlines(painter, picture.rect(), cells, cellSize, level.width(), level.height());
  return picture;
}
