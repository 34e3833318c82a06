#include "view/stroke_tools.h"

#include "editing/level_document.h"
#include "editing/line_cells.h"

void StrokeTool::press(CellPos cell, Qt::MouseButton button) {
  m_last = cell;
  m_context.document.beginGesture(stepName(button));
  apply(cell, elementFor(button));
}

void StrokeTool::move(CellPos cell) {
  if (cell == m_last) return;
  // The mouse reports where it is now and then, not every cell it crossed: the stroke goes the
  // straight way between. Cells outside the level are ignored.
  for (const CellPos& crossed : lineCells(m_last, cell))
    if (crossed != m_last) apply(crossed, elementFor(m_context.drag.button));
  m_last = cell;
}

void StrokeTool::release(Qt::MouseButton button) {
  if (button == m_context.drag.button) m_context.document.endGesture();
}

void StrokeTool::cancel() { m_context.document.cancelGesture(); }
