#include "editing/block_edits.h"

#include <utility>
#include <vector>

#include "editing/level_document.h"
#include "editing/step_names.h"
#include "level/elements.h"

namespace {

// Puts the block with its top-left at `to` and empties the cells of `vacated` it does not
// cover, as one step.
CellRange placeBlock(LevelDocument& document, const CellRange& vacated, const CellBlock& block, CellPos to,
                     const char* name) {
  const CellRange target{to.x, to.y, to.x + block.width - 1, to.y + block.height - 1};
  std::vector<std::pair<CellPos, int>> cells;
  for (int y = vacated.top; y <= vacated.bottom; ++y)
    for (int x = vacated.left; x <= vacated.right; ++x)
      if (!target.contains(x, y)) cells.push_back({{x, y}, NO_ELEMENT});
  for (int y = 0; y < block.height; ++y)
    for (int x = 0; x < block.width; ++x) cells.push_back({{to.x + x, to.y + y}, block.at(x, y)});
  document.writeCells(cells, name);
  return target.intersected(document.level().bounds());
}

const char* transformName(BlockTransform transform) {
  switch (transform) {
    case BlockTransform::FlipHorizontally: return step_names::kFlipHorizontally;
    case BlockTransform::FlipVertically: return step_names::kFlipVertically;
    case BlockTransform::RotateClockwise: return step_names::kRotateClockwise;
    case BlockTransform::RotateCounterClockwise: return step_names::kRotateCounterClockwise;
  }
  return "";
}

}  // namespace

CellRange moveBlock(LevelDocument& document, const CellRange& from, CellPos to, bool copy) {
  const CellRange block = from.intersected(document.level().bounds());
  return placeBlock(document, copy ? CellRange{} : block, CellBlock::of(document.level(), block), to,
                    copy ? step_names::kCopy : step_names::kMove);
}

CellRange transformBlock(LevelDocument& document, const CellRange& block, BlockTransform transform) {
  const CellRange inside = block.intersected(document.level().bounds());
  return placeBlock(document, inside, transformed(CellBlock::of(document.level(), inside), transform),
                    {inside.left, inside.top}, transformName(transform));
}

int replaceElement(LevelDocument& document, const CellRange& area, int from, int to) {
  const Level& level = document.level();
  const CellRange inside = area.intersected(level.bounds());
  std::vector<CellPos> cells;
  for (int y = inside.top; y <= inside.bottom; ++y)
    for (int x = inside.left; x <= inside.right; ++x)
      if (level.element(x, y) == from) cells.push_back({x, y});
  return document.setCells(cells, to, step_names::kReplace);
}
