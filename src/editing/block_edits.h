#pragma once

#include "editing/cell_block.h"
#include "level/cell_range.h"

class LevelDocument;

// Edits of a marked block of cells, each one undo step. Cells that would land outside the
// level are cut off; each returns the cells the block covers afterwards inside the level.

// Moves the block of `from` so that its top-left lands on `to`; the cells it leaves become
// empty, unless `copy` keeps them ("Move" or "Copy").
CellRange moveBlock(LevelDocument& document, const CellRange& from, CellPos to, bool copy);
// Flips the block in place or turns it about its top-left ("Flip Horizontally", ...).
CellRange transformBlock(LevelDocument& document, const CellRange& block, BlockTransform transform);
// Gives every cell of the area holding `from` the element `to` ("Replace"); how many changed.
int replaceElement(LevelDocument& document, const CellRange& area, int from, int to);
