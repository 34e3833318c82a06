#include "editing/flood_fill.h"

#include "editing/fill_region.h"
#include "editing/level_document.h"
#include "editing/set_cells.h"
#include "editing/step_names.h"

int floodFill(LevelDocument& document, CellPos start, int element) {
  const Level& level = document.level();
  // Filling a region with what it holds would walk all of it to change nothing.
  if (!level.contains(start.x, start.y) || level.element(start.x, start.y) == element) return 0;
  return setCells(document, fillRegion(level, start.x, start.y), element, step_names::kFill);
}
