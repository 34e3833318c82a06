#include "editing/draw_shape.h"

#include <vector>

#include "editing/line_cells.h"
#include "editing/set_cells.h"
#include "editing/step_names.h"

namespace {

std::vector<CellPos> outline(const CellRange& r) {
  std::vector<CellPos> cells;
  for (int x = r.left; x <= r.right; ++x) {
    cells.push_back({x, r.top});
    if (r.bottom != r.top) cells.push_back({x, r.bottom});
  }
  for (int y = r.top + 1; y < r.bottom; ++y) {
    cells.push_back({r.left, y});
    if (r.right != r.left) cells.push_back({r.right, y});
  }
  return cells;
}

std::vector<CellPos> area(const CellRange& r) {
  std::vector<CellPos> cells;
  for (int y = r.top; y <= r.bottom; ++y)
    for (int x = r.left; x <= r.right; ++x) cells.push_back({x, y});
  return cells;
}

}  // namespace

int drawShape(LevelDocument& document, Shape shape, CellPos from, CellPos to, int element) {
  const CellRange spanned = CellRange::spanning(from, to);
  switch (shape) {
    case Shape::Rectangle: return setCells(document, outline(spanned), element, step_names::kRectangle);
    case Shape::FilledRectangle: return setCells(document, area(spanned), element, step_names::kFilledRectangle);
    case Shape::Line: break;
  }
  return setCells(document, lineCells(from, to), element, step_names::kLine);
}
