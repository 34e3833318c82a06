#include "view/drag_tool.h"

#include <algorithm>

#include "editing/level_document.h"
#include "view/tool_cursors.h"

void DragTool::press(CellPos cell, Qt::MouseButton) {
  if (!m_context.document.level().contains(cell.x, cell.y)) return;
  m_marking = ViewMarking{cell, cell, m_mode};
  m_context.showMarking(m_marking);
}

void DragTool::move(CellPos cell) {
  if (!m_marking) return;
  const Level& level = m_context.document.level();
  m_marking->end = {std::clamp(cell.x, 0, level.width() - 1), std::clamp(cell.y, 0, level.height() - 1)};
  m_context.showMarking(m_marking);
}

void DragTool::cancel() {
  if (!m_marking) return;
  m_marking.reset();
  m_context.showMarking(std::nullopt);
}

QCursor DragTool::cursor() const { return toolCursor(m_mode); }

std::optional<ViewMarking> DragTool::takeMarking() { return std::exchange(m_marking, std::nullopt); }
