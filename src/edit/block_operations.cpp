#include <algorithm>

#include "level/brannoc_doc.h"
#include "level/update_hints.h"

void CBrannocDoc::PasteBlock(int x0, int y0, std::string_view text) {
  // Text after a zero byte is not part of the block.
  text = text.substr(0, std::min(text.find('\0'), text.size()));
  bool changed = false;
  size_t pos = 0;
  for (int y = y0; y < m_nHeight && y < MAX_LEVEL_SIZE && pos < text.size(); ++y) {
    for (int x = x0; pos < text.size(); ++x) {
      const char c = text[pos++];
      if (c == '\n') break;
      // Cells left of or above the level are cut off like those past the right or bottom.
      if (y < 0 || x < 0 || !InLevel(x, y)) continue;
      // A character that names no element (only foreign data has one) empties its cell.
      const int element = ElementFromChar(c);
      if (element == NO_ELEMENT) {
        changed |= TakeTile(x, y) != nullptr;
      } else if (const CTile* tile = m_grid[x][y].get(); !tile || tile->m_nElement != element) {
        ChangeTile(x, y, element);
        changed = true;
      }
    }
  }
  if (changed) FinishUnrecordedChange();
  UpdateAllViews(nullptr, HINT_REFRESH);
}

void CBrannocDoc::ClearBlock(int x1, int y1, int x2, int y2) {
  bool changed = false;
  for (int y = std::max(y1, 0); y <= y2 && InLevel(0, y); ++y)
    for (int x = std::max(x1, 0); x <= x2 && InLevel(x, y); ++x) changed |= TakeTile(x, y) != nullptr;
  if (changed) FinishUnrecordedChange();
  UpdateAllViews(nullptr, HINT_REFRESH);
}

void CBrannocDoc::DrawCells(std::span<const CPoint> points, char ch) {
  const int element = ElementFromChar(ch);
  bool changed = false;
  for (const CPoint& point : points) {
    if (point.x == -1) break;
    // Every cell is told to the views, changed or not: that wipes the rubber-band line.
    const bool cellChanged = element == NO_ELEMENT
                                 ? EraseCell(point.x, point.y, false, DRAW_FREE, true, true)
                                 : SetCell(point.x, point.y, element, false, DRAW_FREE, true, true) != nullptr;
    if (cellChanged && !changed) {
      changed = true;
      FinishUnrecordedChange();
    }
  }
}

CSize CBrannocDoc::GetUsedExtent() const {
  CSize extent{1, 1};
  for (int x = 0; x < MAX_LEVEL_SIZE; ++x)
    for (int y = 0; y < MAX_LEVEL_SIZE; ++y)
      if (m_grid[x][y]) {
        extent.cx = std::max(extent.cx, x + 1);
        extent.cy = std::max(extent.cy, y + 1);
      }
  return extent;
}
