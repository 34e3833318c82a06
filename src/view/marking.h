#pragma once

#include "level/cell_range.h"
#include "view/view_settings.h"

// The cells a view shows inverted: a selection or the shape being dragged. The anchor is
// where the drag began (a paste goes there; a line runs from it), and the marking keeps the
// drawing mode it was drawn with, so changing the mode later does not change how it looks.
struct Marking {
  CellPos anchor;
  CellPos end;
  ViewSettings::DrawMode mode = ViewSettings::DrawMode::Selection;

  CellRange cells() const { return CellRange::spanning(anchor, end); }
  bool operator==(const Marking&) const = default;
};
