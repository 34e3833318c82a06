#include "editing/clear_cells.h"

#include <vector>

#include "editing/level_document.h"

int clearCells(LevelDocument& document, const CellRange& range, std::string_view name) {
  const CellRange cells = range.intersected(document.level().bounds());
  std::vector<CellWrite> writes;
  writes.reserve(static_cast<size_t>(cells.width() * cells.height()));
  for (int y = cells.top; y <= cells.bottom; ++y)
    for (int x = cells.left; x <= cells.right; ++x) writes.push_back({{x, y}, kNoElement});
  return document.writeCells(writes, name);
}
