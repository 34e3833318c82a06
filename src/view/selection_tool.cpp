#include "view/selection_tool.h"

#include <algorithm>

#include "editing/level_document.h"

void SelectionTool::press(CellPos cell, Qt::MouseButton button) {
  const std::optional<FloatingBlock>& floating = m_context.floating;
  const std::optional<CellRange> block = floating ? std::optional(floating->cells()) : m_context.drag.selectionAtPress;
  if (button == Qt::LeftButton && block && block->contains(cell.x, cell.y)) {
    m_blockDrag = BlockDrag{cell, {block->left, block->top}};
    if (!floating) m_context.showMarking(ViewMarking{{block->left, block->top}, {block->right, block->bottom}, m_mode});
    return;
  }
  m_context.putDownBlock();  // a press outside a floating block puts it down
  DragTool::press(cell, button);
}

void SelectionTool::move(CellPos cell) {
  if (!m_context.drag.beyondClick) return;  // still a click, which marks the cell pressed
  if (!m_blockDrag) return DragTool::move(cell);
  std::optional<FloatingBlock>& floating = m_context.floating;
  if (!floating) {
    floating.emplace(m_context.document.level(), *m_context.drag.selectionAtPress,
                     m_context.drag.modifiersAtPress.testFlag(Qt::ControlModifier));
    m_context.showMarking(std::nullopt);
  }
  // The cell held stays in the level; the block may hang over its edge and is cut off there.
  const Level& level = m_context.document.level();
  cell = {std::clamp(cell.x, 0, level.width() - 1), std::clamp(cell.y, 0, level.height() - 1)};
  const BlockDrag& drag = *m_blockDrag;
  floating->moveTo({drag.startCorner.x + cell.x - drag.grabbed.x, drag.startCorner.y + cell.y - drag.grabbed.y});
  m_context.showFloatingBlock();
}

void SelectionTool::release(Qt::MouseButton button) {
  if (!m_blockDrag) {
    takeMarking();
    return;
  }
  if (button != Qt::LeftButton) return;
  const BlockDrag drag = *std::exchange(m_blockDrag, std::nullopt);
  if (m_context.drag.beyondClick) return;  // the block floats where it was dragged
  m_context.putDownBlock();
  m_context.showMarking(ViewMarking{drag.grabbed, drag.grabbed, m_mode});
}

void SelectionTool::cancel() {
  if (!std::exchange(m_blockDrag, std::nullopt)) return DragTool::cancel();
  if (m_context.floating) return m_context.cancelLift();
  const CellRange& marked = *m_context.drag.selectionAtPress;
  m_context.showMarking(ViewMarking{{marked.left, marked.top}, {marked.right, marked.bottom}, m_mode});
}
