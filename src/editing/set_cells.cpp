#include "editing/set_cells.h"

#include <vector>

#include "editing/level_document.h"
#include "editing/step_names.h"

int setCell(LevelDocument& document, CellPos cell, int element) {
  const CellWrite write{cell, element};
  return document.writeCells({&write, 1}, element == kNoElement ? step_names::kErase : step_names::kDraw);
}

int setCells(LevelDocument& document, std::span<const CellPos> cells, int element, std::string_view name) {
  std::vector<CellWrite> writes;
  writes.reserve(cells.size());
  for (const CellPos& cell : cells) writes.push_back({cell, element});
  return document.writeCells(writes, name);
}
