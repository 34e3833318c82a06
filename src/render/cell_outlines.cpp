#include "render/cell_outlines.h"

#include <algorithm>

#include "render/level_painter.h"

namespace {

constexpr QRgb kOutlineColour = 0xffff00ff;  // magenta
constexpr QRgb kEdgeColour = 0xff000000;     // black
constexpr int kBand = 4;            // black, two pixels of colour, black
constexpr int kSmallestBanded = 12;  // below, a one-pixel line of colour leaves the cell visible

bool flagged(const CellFlags& cells, int x, int y, int width, int height) {
  return x >= 0 && y >= 0 && x < width && y < height && cells[y * Level::kMaxSize + x];
}

// Writes the pixels straight: a comparison may outline thousands of cells on every repaint.
class Pixels {
 public:
  explicit Pixels(QImage& target)
      : m_bits(target.bits()), m_stride(target.bytesPerLine()), m_bounds(target.rect()) {}

  void fill(QRect rect, QRgb colour) const {
    rect &= m_bounds;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      QRgb* line = reinterpret_cast<QRgb*>(m_bits + y * m_stride);
      std::fill(line + rect.left(), line + rect.right() + 1, colour);
    }
  }

  // A strip along one side of a cell, inside the cell: the outer pixels black, the inner ones
  // in colour.
  void edge(const QRect& strip, bool vertical) const {
    if (strip.width() < kBand && strip.height() < kBand) return fill(strip, kOutlineColour);
    if (!m_bounds.contains(strip)) {
      fill(strip, kEdgeColour);
      return fill(vertical ? strip.adjusted(1, 0, -1, 0) : strip.adjusted(0, 1, 0, -1), kOutlineColour);
    }
    // A whole strip in one pass, each pixel written once.
    static constexpr QRgb kPattern[kBand] = {kEdgeColour, kOutlineColour, kOutlineColour, kEdgeColour};
    for (int y = strip.top(); y <= strip.bottom(); ++y) {
      QRgb* line = reinterpret_cast<QRgb*>(m_bits + y * m_stride) + strip.left();
      if (vertical)
        std::copy_n(kPattern, kBand, line);
      else
        std::fill_n(line, strip.width(), kPattern[y - strip.top()]);
    }
  }

 private:
  uchar* m_bits;
  qsizetype m_stride;
  QRect m_bounds;
};

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

void drawCellOutlines(QImage& target, const QRect& clip, const CellFlags& cells, int cellSize, int levelWidth,
                      int levelHeight) {
  if (cells.none() || cellSize < 1 || target.format() != QImage::Format_RGB32) return;
  const Pixels pixels(target);
  const int s = cellSize;
  const int band = s < kSmallestBanded ? 1 : kBand;
  const int left = std::max(0, clip.left() / s), top = std::max(0, clip.top() / s);
  const int right = std::min(levelWidth - 1, clip.right() / s), bottom = std::min(levelHeight - 1, clip.bottom() / s);
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x) {
      if (!flagged(cells, x, y, levelWidth, levelHeight)) continue;
      // Only the sides that border an unflagged cell: a changed area gets one outline.
      const QRect cell = QRect(x * s, y * s, s, s).translated(-clip.topLeft());
      if (!flagged(cells, x - 1, y, levelWidth, levelHeight)) pixels.edge({cell.left(), cell.top(), band, s}, true);
      if (!flagged(cells, x + 1, y, levelWidth, levelHeight))
        pixels.edge({cell.right() - band + 1, cell.top(), band, s}, true);
      if (!flagged(cells, x, y - 1, levelWidth, levelHeight)) pixels.edge({cell.left(), cell.top(), s, band}, false);
      if (!flagged(cells, x, y + 1, levelWidth, levelHeight))
        pixels.edge({cell.left(), cell.bottom() - band + 1, s, band}, false);
    }
}

QImage drawOutlinedLevelPicture(const Level& level, const ArtworkSet& set, const CellFlags& cells, int cellSize) {
  QImage picture = drawLevelPicture(level, set, cellSize, true);
  if (picture.isNull()) return picture;
  if (picture.format() != QImage::Format_RGB32) picture = picture.convertToFormat(QImage::Format_RGB32);
  drawCellOutlines(picture, picture.rect(), cells, cellSize, level.width(), level.height());
  return picture;
}
