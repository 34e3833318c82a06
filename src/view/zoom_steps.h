#pragma once

#include <array>

// The cell sizes zooming steps through, smallest first.
inline constexpr std::array<int, 15> kZoomCellSizes{4, 6, 8, 10, 12, 15, 20, 24, 30, 40, 50, 60, 80, 100, 120};

// The cell size `steps` zoom sizes above `size` (below it for negative steps). A size set by
// hand between two zoom sizes steps to the next one; past the last size there is none to go to,
// and the size stays.
int zoomedCellSize(int size, int steps);
