#include "editing/cell_edit.h"

#include "level/level.h"

void CellEdit::record(int x, int y, int before, int after) {
  if (x < 0 || y < 0 || x >= Level::kMaxSize || y >= Level::kMaxSize) return;
  const int index = y * Level::kMaxSize + x;
  // A small step finds its cells by looking; a big one keeps a table of where each cell sits.
  constexpr size_t kLookLimit = 64;
  if (m_slotOf.empty() && m_cells.size() >= kLookLimit) {
    m_slotOf.assign(Level::kMaxSize * Level::kMaxSize, -1);
    for (size_t i = 0; i < m_cells.size(); ++i) m_slotOf[m_cells[i].index] = static_cast<int32_t>(i);
  }
  int32_t slot = -1;
  if (!m_slotOf.empty()) {
    slot = m_slotOf[index];
  } else {
    for (size_t i = 0; i < m_cells.size() && slot < 0; ++i)
      if (m_cells[i].index == index) slot = static_cast<int32_t>(i);
  }
  if (slot >= 0) {
    m_cells[slot].after = static_cast<int8_t>(after);
    return;
  }
  if (!m_slotOf.empty()) m_slotOf[index] = static_cast<int32_t>(m_cells.size());
  m_cells.push_back({static_cast<uint16_t>(index), static_cast<int8_t>(before), static_cast<int8_t>(after)});
  m_range = m_range.united({x, y, x, y});
}

void CellEdit::seal() {
  std::erase_if(m_cells, [](const Cell& cell) { return cell.before == cell.after; });
  m_cells.shrink_to_fit();
  m_slotOf = {};
  m_range = {};
  for (const Cell& cell : m_cells) {
    const int x = cell.index % Level::kMaxSize;
    const int y = cell.index / Level::kMaxSize;
    m_range = m_range.united({x, y, x, y});
  }
}

void CellEdit::undo(Level& level) const {
  for (const Cell& cell : m_cells) level.setElement(cell.index % Level::kMaxSize, cell.index / Level::kMaxSize, cell.before);
}

void CellEdit::redo(Level& level) const {
  for (const Cell& cell : m_cells) level.setElement(cell.index % Level::kMaxSize, cell.index / Level::kMaxSize, cell.after);
}
