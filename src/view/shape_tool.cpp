#include "view/shape_tool.h"

#include <vector>

#include "editing/level_document.h"
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

void ShapeTool::release(Qt::MouseButton button) {
  const std::optional<Marking> marking = takeMarking();
  if (!marking) return;
  m_context.showMarking(std::nullopt);
  const int element = elementFor(button);
  LevelDocument& document = m_context.document;
  switch (m_mode) {
    case ViewSettings::DrawMode::Rectangle: setCells(document, outline(marking->cells()), element, step_names::kRectangle); break;
    case ViewSettings::DrawMode::FilledRectangle:
      setCells(document, area(marking->cells()), element, step_names::kFilledRectangle);
      break;
    default: setCells(document, lineCells(marking->anchor, marking->end), element, step_names::kLine); break;
  }
}
