#include "editing/block_edits.h"

#include <vector>

#include "editing/level_document.h"
#include "editing/set_cells.h"
#include "editing/step_names.h"

int replaceElement(LevelDocument& document, const CellRange& area, int from, int to) {
  const Level& level = document.level();
  const CellRange inside = area.intersected(level.bounds());
  std::vector<CellPos> cells;
  for (int y = inside.top; y <= inside.bottom; ++y)
    for (int x = inside.left; x <= inside.right; ++x)
      if (level.element(x, y) == from) cells.push_back({x, y});
  return setCells(document, cells, to, step_names::kReplace);
}
