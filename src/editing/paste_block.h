#pragma once

#include <string_view>

#include "level/cell_range.h"

class LevelDocument;

// Writes a tile block text (see tile_block.h) with its first cell at topLeft, as one "Paste"
// step; cells outside the level are cut off. How many cells changed.
int pasteBlock(LevelDocument& document, CellPos topLeft, std::string_view blockText);
