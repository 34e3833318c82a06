#pragma once

#include <vector>

#include "editing/cell_block.h"
#include "level/cell_range.h"

class Level;
class LevelDocument;

// A marked block lifted off the level while it is moved, flipped and turned. The level keeps
// its cells until the block is put down, so no sequence of steps loses any of them: turning a
// 5 x 3 block clockwise and back gives the same block at the same place.
class FloatingBlock {
 public:
  // Lifts the cells of `range` that lie in the level; a copy leaves them where they are.
  FloatingBlock(const Level& level, const CellRange& range, bool copy);

  const CellRange& source() const { return m_source; }
  bool isCopy() const { return m_copy; }
  const CellBlock& block() const { return m_block; }
  // Where it floats now; it may hang over the level's edge.
  CellRange cells() const;

  void moveTo(CellPos topLeft);
  // Flips it in place, or turns it about its middle.
  void transform(BlockTransform transform);

  // Whether putting it down would change the level, and the step's name: "Move" (or "Copy"),
  // "Flip", "Rotate", or "Transform" when it was treated in more than one way.
  bool changesLevel(const Level& level) const;
  const char* stepName() const;

  // The cells putting it down writes: the vacated ones emptied, then the block's own.
  std::vector<CellWrite> cellsToWrite() const;
  // Writes them into `level` as putting down would, for drawing the level with it.
  void drawInto(Level& level) const;
  // Puts it down as one undo step; the cells it covers in the level afterwards.
  CellRange putDown(LevelDocument& document) const;

 private:
  CellRange m_source;
  CellBlock m_block;
  CellPos m_topLeft;
  bool m_copy = false;
  bool m_moved = false;
  bool m_flipped = false;
  bool m_turned = false;
};
