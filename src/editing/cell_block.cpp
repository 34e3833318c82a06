#include "editing/cell_block.h"

#include "level/elements.h"
#include "level/level.h"

namespace {

enum Heading { Up, Down, Left, Right };  // the order of the elements of each kind

Heading turned(Heading heading, BlockTransform transform) {
  switch (transform) {
    case BlockTransform::FlipHorizontally: return heading == Left ? Right : heading == Right ? Left : heading;
    case BlockTransform::FlipVertically: return heading == Up ? Down : heading == Down ? Up : heading;
    case BlockTransform::RotateClockwise:
      return heading == Up ? Right : heading == Right ? Down : heading == Down ? Left : Up;
    case BlockTransform::RotateCounterClockwise:
      return heading == Up ? Left : heading == Left ? Down : heading == Down ? Right : Up;
  }
  return heading;
}

}  // namespace

CellBlock CellBlock::of(const Level& level, const CellRange& range) {
  CellBlock block{range.width(), range.height(), {}};
  block.cells.reserve(static_cast<size_t>(block.width * block.height));
  for (int y = range.top; y <= range.bottom; ++y)
    for (int x = range.left; x <= range.right; ++x)
      block.cells.push_back(level.contains(x, y) ? level.element(x, y) : kNoElement);
  return block;
}

int turnedElement(int element, BlockTransform transform) {
  for (const int first : {EL_LORRY_UP, EL_BUG_UP, EL_YAMYAM_UP})
    if (element >= first && element <= first + Right)
      return first + turned(static_cast<Heading>(element - first), transform);
  return element;
}

CellBlock transformed(const CellBlock& block, BlockTransform transform) {
  const bool turns = transform == BlockTransform::RotateClockwise || transform == BlockTransform::RotateCounterClockwise;
  CellBlock result{turns ? block.height : block.width, turns ? block.width : block.height, {}};
  result.cells.reserve(block.cells.size());
  const int w = block.width;
  const int h = block.height;
  for (int y = 0; y < result.height; ++y)
    for (int x = 0; x < result.width; ++x) {
      int element = kNoElement;
      switch (transform) {
        case BlockTransform::FlipHorizontally: element = block.at(w - 1 - x, y); break;
        case BlockTransform::FlipVertically: element = block.at(x, h - 1 - y); break;
        case BlockTransform::RotateClockwise: element = block.at(y, h - 1 - x); break;
        case BlockTransform::RotateCounterClockwise: element = block.at(w - 1 - y, x); break;
      }
      result.cells.push_back(turnedElement(element, transform));
    }
  return result;
}
