#pragma once

#include "level/cell_range.h"

class LevelDocument;

// Gives every cell of the region of `start` (see fillRegion) the element, as one "Fill" step;
// how many cells changed.
int floodFill(LevelDocument& document, CellPos start, int element);
