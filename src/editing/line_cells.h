#pragma once

#include <vector>

#include "level/cell_range.h"

// The cells of a straight line between two cells, both included, one per step along the
// longer axis. The end with the smaller row comes first; with equal rows `from` does.
std::vector<CellPos> lineCells(CellPos from, CellPos to);
