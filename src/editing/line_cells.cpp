#include "editing/line_cells.h"

#include <cstdlib>
#include <utility>

std::vector<CellPos> lineCells(CellPos from, CellPos to) {
  int x1 = from.x, y1 = from.y, x2 = to.x, y2 = to.y;
  if (y2 < y1) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  int x = x1;
  int y = y1;
  const int dx = std::abs(x2 - x1);
  const int dy = y2 - y1;
  const int sx = x2 < x1 ? -1 : 1;

  std::vector<CellPos> cells;
  cells.reserve(std::max(dx, dy) + 1);
  if (dx == 0 || dy == 0 || dx == dy) {
    for (int k = 0; k <= std::max(dx, dy); ++k)
      cells.push_back({x + (dx == 0 ? 0 : k * sx), y + (dy == 0 ? 0 : k)});
  } else if (dx > dy) {
    // The error term starts at half a step so the row changes in the middle of each run.
    int e = dx / 2 - dy;
    for (int k = 0; k <= dx; ++k, x += sx) {
      e += dy;
      if (e >= dx) {
        e -= dx;
        ++y;
      }
      cells.push_back({x, y});
    }
  } else {
    int e = dy / 2 - dx;
    for (int k = 0; k <= dy; ++k, ++y) {
      e += dx;
      if (e >= dy) {
        e -= dy;
        x += sx;
      }
      cells.push_back({x, y});
    }
  }
  return cells;
}
