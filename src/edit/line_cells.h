#pragma once

#include <vector>

#include "level/geometry.h"

// The cells of a straight line between two cells, both included, one per step along the
// longer axis. The end with the smaller row comes first; with equal rows (x1, y1) does.
std::vector<CPoint> LineCells(int x1, int y1, int x2, int y2);
