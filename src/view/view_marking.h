#pragma once

#include "level/cell_range.h"
#include "view/level_view_state.h"

// The cells a view shows inverted: a selection or the shape being dragged. The anchor is
// where the drag began (a paste goes there; a line runs from it), and the marking keeps the
// drawing mode it was drawn with, so changing the mode later does not change how it looks.
struct ViewMarking {
  CellPos anchor;
  CellPos end;
  LevelViewState::DrawMode mode = LevelViewState::DrawMode::Selection;

  CellRange cells() const { return CellRange::spanning(anchor, end); }
  bool operator==(const ViewMarking&) const = default;
};
