#pragma once

#include <cstdint>
#include <vector>

#include "editing/undo_step.h"

// The cells one step changed: a stroke, a shape, a fill, a paste, a cut.
class CellEdit : public UndoStep {
 public:
  using UndoStep::UndoStep;

  // Notes that a cell went from `before` to `after`. A cell noted again keeps its first
  // `before`, so undo brings back the state before the whole step.
  void record(int x, int y, int before, int after);
  // Drops the bookkeeping of recording and the cells that ended where they began.
  void seal();
  bool isEmpty() const { return m_cells.empty(); }
  int cellCount() const { return static_cast<int>(m_cells.size()); }

  void undo(Level& level) const override;
  void redo(Level& level) const override;
  LevelChange change() const override { return LevelChange::ofCells(m_range); }

 private:
  struct Cell {
    uint16_t index;  // y * 126 + x
    int8_t before;
    int8_t after;
  };
  std::vector<Cell> m_cells;
  std::vector<int32_t> m_slotOf;  // while recording a big step: where each store cell sits in m_cells, or -1
  CellRange m_range;
};
