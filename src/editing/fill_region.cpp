#include "editing/fill_region.h"

#include <cstdint>

#include "level/level.h"

// The recursion of the fill is unrolled onto an explicit stack, because a region can hold
// every cell of the level; each frame remembers which neighbour it looks at next, so a
// neighbour is only tested once the fills started before it have finished, as the recursion
// would.
std::vector<CellPos> fillRegion(const Level& level, int x, int y) {
  std::vector<CellPos> region;
  if (!level.contains(x, y)) return region;
  const int target = level.element(x, y);
  const int width = level.width();
  const int height = level.height();
  // The cells the fill may still take: those of the level that hold the target. Marked once
  // up front, so each test during the walk is a single look-up.
  std::vector<uint8_t> open(static_cast<size_t>(width) * height);
  for (int cy = 0; cy < height; ++cy)
    for (int cx = 0; cx < width; ++cx) open[cy * width + cx] = level.element(cx, cy) == target;
  auto qualifies = [&](int cx, int cy) {
    return cx >= 0 && cy >= 0 && cx < width && cy < height && open[cy * width + cx];
  };
  auto take = [&](int cx, int cy) {
    open[cy * width + cx] = 0;
    region.push_back({cx, cy});
  };

  enum Next { Below, Left, Right, Above };
  struct Frame {
    int x;
    int y;
    Next next;
  };
  take(x, y);
  std::vector<Frame> stack{{x, y, Below}};
  auto descend = [&](int cx, int cy) {
    if (!qualifies(cx, cy)) return;
    take(cx, cy);
    stack.push_back({cx, cy, Below});
  };
  while (!stack.empty()) {
    const Frame frame = stack.back();
    switch (frame.next) {
      case Below:
        stack.back().next = Left;
        descend(frame.x, frame.y + 1);
        break;
      case Left:
        stack.back().next = Right;
        descend(frame.x - 1, frame.y);
        break;
      case Right:
        stack.back().next = Above;
        descend(frame.x + 1, frame.y);
        break;
      case Above:
        // The walk upwards goes on in the same frame, as the loop of the recursive fill does.
        if (qualifies(frame.x, frame.y - 1)) {
          take(frame.x, frame.y - 1);
          stack.back() = {frame.x, frame.y - 1, Below};
        } else {
          stack.pop_back();
        }
        break;
    }
  }
  return region;
}
