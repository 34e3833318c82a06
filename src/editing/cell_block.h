#pragma once

#include <vector>

#include "level/cell_range.h"

class Level;

// A rectangle of cells lifted out of a level, row by row; kNoElement for an empty cell.
struct CellBlock {
  int width = 0;
  int height = 0;
  std::vector<int> cells;

  // The cells of the range; those outside the level are empty.
  static CellBlock of(const Level& level, const CellRange& range);
  int at(int x, int y) const { return cells[static_cast<size_t>(y * width + x)]; }
  bool operator==(const CellBlock&) const = default;
};

enum class BlockTransform { FlipHorizontally, FlipVertically, RotateClockwise, RotateCounterClockwise };

// The element a moving element becomes when its block is transformed: lorries, bugs and
// yam-yam beasts keep heading the same way relative to the block.
int turnedElement(int element, BlockTransform transform);

// The block flipped or turned about its top-left, its elements turned with it.
CellBlock transformed(const CellBlock& block, BlockTransform transform);
