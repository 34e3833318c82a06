#pragma once

#include "level/cell_range.h"

class LevelDocument;

// Gives every cell of the area holding `from` the element `to`, as one undo step ("Replace");
// how many changed. Cells of the area outside the level are left out.
int replaceElement(LevelDocument& document, const CellRange& area, int from, int to);
