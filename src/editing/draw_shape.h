#pragma once

#include "level/cell_range.h"

class LevelDocument;

enum class Shape { Rectangle, FilledRectangle, Line };

// Gives the cells of the shape between two cells (a rectangle's corners, a line's ends) the
// element, as one step named after the shape; cells outside the level are left out. How many
// cells changed.
int drawShape(LevelDocument& document, Shape shape, CellPos from, CellPos to, int element);
