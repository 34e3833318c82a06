#include "view/zoom_steps.h"

#include <algorithm>

int zoomedCellSize(int size, int steps) {
  for (; steps > 0; --steps) {
    const auto above = std::upper_bound(kZoomCellSizes.begin(), kZoomCellSizes.end(), size);
    if (above == kZoomCellSizes.end()) break;
    size = *above;
  }
  for (; steps < 0; ++steps) {
    const auto below = std::lower_bound(kZoomCellSizes.begin(), kZoomCellSizes.end(), size);
    if (below == kZoomCellSizes.begin()) break;
    size = *std::prev(below);
  }
  return size;
}
