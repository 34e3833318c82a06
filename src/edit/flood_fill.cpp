#include <vector>

#include "level/brannoc_doc.h"
#include "undo/fill_action_object.h"

// Fills the 4-connected region of (x, y) whose cells hold oldElement (NO_ELEMENT: are empty).
// The cells change in the order of a fill that walks upwards from the start cell and, at each
// cell, first fills from the cell below, then from the left and then from the right
// neighbour. The recursion is unrolled onto an explicit stack, because a region can hold every
// cell of the level; each frame remembers which neighbour it looks at next, so a neighbour is
// only tested once the fills started before it have finished, as the recursion would.
void CBrannocDoc::FloodFill(int x, int y, int oldElement, int newElement, CFillActionObject* fill) {
  if (oldElement == newElement || (newElement != NO_ELEMENT && !IsElement(newElement))) return;

  const int width = std::min<int>(m_nWidth, MAX_LEVEL_SIZE);
  const int height = std::min<int>(m_nHeight, MAX_LEVEL_SIZE);
  auto qualifies = [&](int cx, int cy) {
    if (cx < 0 || cy < 0 || cx >= width || cy >= height) return false;
    const CTile* tile = m_grid[cx][cy].get();
    return oldElement == NO_ELEMENT ? tile == nullptr : tile && tile->m_nElement == oldElement;
  };
  auto change = [&](int cx, int cy) {
    if (newElement == NO_ELEMENT)
      TakeTile(cx, cy);
    else
      ChangeTile(cx, cy, newElement);
    if (fill) fill->m_tiles.push_back(std::make_unique<CTileActionObject>(cx, cy, newElement, oldElement));
  };

  enum Next { Below, Left, Right, Above };
  struct Frame {
    int x;
    int y;
    Next next;
  };
  if (!qualifies(x, y)) return;
  change(x, y);
  std::vector<Frame> stack{{x, y, Below}};
  auto descend = [&](int cx, int cy) {
    if (!qualifies(cx, cy)) return;
    change(cx, cy);
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
          change(frame.x, frame.y - 1);
          stack.back() = {frame.x, frame.y - 1, Below};
        } else {
          stack.pop_back();
        }
        break;
    }
  }
}
