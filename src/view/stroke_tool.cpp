#include "view/stroke_tool.h"

#include "editing/level_document.h"

void StrokeTool::press(CellPos cell, Qt::MouseButton button) {
  m_button = button;
  m_context.document.beginGesture(stepName(button));
  apply(cell, elementFor(button));
}

void StrokeTool::move(CellPos cell) {
  // Cells between two mouse positions are not filled in; cells outside the level are ignored.
  if (m_button != Qt::NoButton) apply(cell, elementFor(m_button));
}

void StrokeTool::release(Qt::MouseButton button) {
  if (button != m_button) return;
  m_button = Qt::NoButton;
  m_context.document.endGesture();
}

void StrokeTool::cancel() {
  if (m_button == Qt::NoButton) return;
  m_button = Qt::NoButton;
  m_context.document.cancelGesture();
}
