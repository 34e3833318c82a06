#pragma once

#include <string_view>

#include "level/cell_range.h"

class LevelDocument;

// Empties the cells of the range that lie in the level, as one step named `name` ("Cut",
// "Delete"); how many changed.
int clearCells(LevelDocument& document, const CellRange& range, std::string_view name);
