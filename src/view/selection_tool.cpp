#include "view/selection_tool.h"

#include <algorithm>

#include "editing/block_edits.h"
#include "editing/level_document.h"

void SelectionTool::press(CellPos cell, Qt::MouseButton button) {
  const std::optional<CellRange>& marked = m_context.selectionAtPress;
  if (button != Qt::LeftButton || !marked || !marked->contains(cell.x, cell.y)) return DragTool::press(cell, button);
  m_blockDrag = BlockDrag{*marked, cell, {}, m_context.modifiersAtPress.testFlag(Qt::ControlModifier)};
  showBlockAt(*marked);
}

void SelectionTool::move(CellPos cell) {
  if (!m_blockDrag) return DragTool::move(cell);
  // The cell held stays in the level; the block may hang over its edge and is cut off there.
  const Level& level = m_context.document.level();
  cell = {std::clamp(cell.x, 0, level.width() - 1), std::clamp(cell.y, 0, level.height() - 1)};
  m_blockDrag->offset = {cell.x - m_blockDrag->grabbed.x, cell.y - m_blockDrag->grabbed.y};
  const CellRange& from = m_blockDrag->from;
  const CellPos offset = m_blockDrag->offset;
  showBlockAt({from.left + offset.x, from.top + offset.y, from.right + offset.x, from.bottom + offset.y});
}

void SelectionTool::release(Qt::MouseButton button) {
  if (!m_blockDrag) {
    takeMarking();
    return;
  }
  if (button != Qt::LeftButton) return;
  const BlockDrag drag = *std::exchange(m_blockDrag, std::nullopt);
  if (drag.offset == CellPos{}) return;  // a click inside the marking keeps it
  const CellPos to{drag.from.left + drag.offset.x, drag.from.top + drag.offset.y};
  showBlockAt(moveBlock(m_context.document, drag.from, to, drag.copy));
}

void SelectionTool::cancel() {
  if (!m_blockDrag) return DragTool::cancel();
  showBlockAt(std::exchange(m_blockDrag, std::nullopt)->from);
}

void SelectionTool::showBlockAt(const CellRange& cells) {
  const CellRange inside = cells.intersected(m_context.document.level().bounds());
  if (inside.isEmpty()) return m_context.showMarking(std::nullopt);
  m_context.showMarking(Marking{{inside.left, inside.top}, {inside.right, inside.bottom}, m_mode});
}
