#include "editing/fill_region.h"

#include "level/level.h"

// The recursion of the fill is unrolled onto an explicit stack, because a region can hold
// every cell of the level; each frame remembers which neighbour it looks at next, so a
// neighbour is only tested once the fills started before it have finished, as the recursion
// would.
std::vector<CellPos> fillRegion(const Level& level, int x, int y) {
  std::vector<CellPos> region;
  if (!level.contains(x, y)) return region;
  const int target = level.element(x, y);
  std::vector<bool> taken(static_cast<size_t>(Level::kMaxSize) * Level::kMaxSize, false);
  auto qualifies = [&](int cx, int cy) {
    return level.contains(cx, cy) && !taken[cy * Level::kMaxSize + cx] && level.element(cx, cy) == target;
  };
  auto take = [&](int cx, int cy) {
    taken[cy * Level::kMaxSize + cx] = true;
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
