#pragma once

#include <algorithm>

// A cell of a level: column and row.
struct CellPos {
  int x = 0;
  int y = 0;
  bool operator==(const CellPos&) const = default;
};

// A cell and the element it is to get (kNoElement: nothing).
struct CellWrite {
  CellPos cell;
  int element = 0;
  bool operator==(const CellWrite&) const = default;
};

// A rectangle of cells with both corners inclusive; left <= right and top <= bottom.
struct CellRange {
  int left = 0;
  int top = 0;
  int right = -1;
  int bottom = -1;

  static CellRange spanning(CellPos a, CellPos b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
  }
  bool isEmpty() const { return right < left || bottom < top; }
  int width() const { return isEmpty() ? 0 : right - left + 1; }
  int height() const { return isEmpty() ? 0 : bottom - top + 1; }
  bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
  // The smallest range holding both; an empty range adds nothing.
  CellRange united(const CellRange& other) const {
    if (isEmpty()) return other;
    if (other.isEmpty()) return *this;
    return {std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
            std::max(bottom, other.bottom)};
  }
  CellRange intersected(const CellRange& other) const {
    return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
            std::min(bottom, other.bottom)};
  }
  bool operator==(const CellRange&) const = default;
};
