#include "view/shape_tool.h"

#include <vector>

#include "editing/level_document.h"
#include "editing/line_cells.h"

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

void ShapeTool::release(Qt::MouseButton button) {
  const std::optional<Marking> marking = takeMarking();
  if (!marking) return;
  m_context.showMarking(std::nullopt);
  const int element = elementFor(button);
  LevelDocument& document = m_context.document;
  switch (m_mode) {
    case ViewSettings::DrawMode::Rectangle:
      document.setCells(outline(marking->cells()), element, QT_TRANSLATE_NOOP("Step", "Rectangle"));
      break;
    case ViewSettings::DrawMode::FilledRectangle:
      document.setCells(area(marking->cells()), element, QT_TRANSLATE_NOOP("Step", "Filled Rectangle"));
      break;
    default:
      document.setCells(lineCells(marking->anchor, marking->end), element, QT_TRANSLATE_NOOP("Step", "Line"));
      break;
  }
}
