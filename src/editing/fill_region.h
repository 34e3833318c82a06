#pragma once

#include <vector>

#include "level/cell_range.h"

class Level;

// The 4-connected cells around (x, y), inside the level, that hold what (x, y) holds (an
// element, or nothing). They come in the order of a fill that walks upwards from the start
// cell and, at each cell, first fills from the cell below, then from the left and then from
// the right neighbour.
std::vector<CellPos> fillRegion(const Level& level, int x, int y);
