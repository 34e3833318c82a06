#pragma once

#include <QPoint>
#include <QRect>
#include <algorithm>

#include "level/geometry.h"

// Cells and pixels. Level pixels have their origin at the top-left corner of cell (0, 0).

// The pixels of cell (col, row) at the given cell size.
inline QRect CellRect(int col, int row, int cellSize) { return QRect(col * cellSize, row * cellSize, cellSize, cellSize); }

// The cell under a level pixel. Division truncates toward zero, so a point up to one cell
// left of or above the level still gives column or row 0.
inline QPoint CellAt(QPoint levelPixel, int cellSize) { return QPoint(levelPixel.x() / cellSize, levelPixel.y() / cellSize); }

// A cell rectangle with both corners inclusive; the corner where a drag began stays in
// left/top, so right may be smaller than left while dragging up or left.
struct CellMarking {
  int left = -1, top = -1, right = -1, bottom = -1;

  bool IsNone() const { return left == -1 && top == -1 && right == -1 && bottom == -1; }
  static CellMarking None() { return {}; }
  CellMarking Normalized() const {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
  }
  bool operator==(const CellMarking&) const = default;

  CRect ToRect() const { return {left, top, right, bottom}; }
  static CellMarking FromRect(const CRect& r) { return {r.left, r.top, r.right, r.bottom}; }
};
