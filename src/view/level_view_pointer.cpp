// What the mouse does besides the tools: naming the cell under it, picking its element, and
// scrolling on while a drag goes beyond the view's edge.
#include <QMouseEvent>
#include <QScrollBar>

#include "editing/level_document.h"
#include "level/elements.h"
#include "render/model_texts.h"
#include "view/level_view.h"
#include "view/level_view_state.h"

bool LevelView::pickElement(const QMouseEvent& event) {
  const bool picking = event.button() == Qt::MiddleButton ||
                       (event.button() == Qt::LeftButton && event.modifiers().testFlag(Qt::AltModifier));
  if (!picking) return false;
  const CellPos cell = cellAt(event.position().toPoint());
  const Level& level = m_document.level();
  // An empty cell has nothing to pick; a drag going on keeps its element.
  if (m_dragButton == Qt::NoButton && level.contains(cell.x, cell.y) && level.element(cell.x, cell.y) != kNoElement)
    m_viewState.setCurrentElement(level.element(cell.x, cell.y));
  return true;
}

void LevelView::followMouse(QPoint viewportPos) {
  m_mouse = viewportPos;
  const bool beyondEdge =
      m_dragButton != Qt::NoButton && m_tool->scrollsAtEdges() && !viewport()->rect().contains(viewportPos);
  if (!beyondEdge)
    m_edgeScroll.stop();
  else if (!m_edgeScroll.isActive())
    m_edgeScroll.start();
  describeCellUnderMouse();
}

void LevelView::scrollTowardsMouse() {
  const QRect inside = viewport()->rect();
  const auto beyond = [](int pos, int low, int high) { return pos < low ? pos - low : std::max(0, pos - high); };
  const int dx = m_mouse ? beyond(m_mouse->x(), inside.left(), inside.right()) : 0;
  const int dy = m_mouse ? beyond(m_mouse->y(), inside.top(), inside.bottom()) : 0;
  if (m_dragButton == Qt::NoButton || (dx == 0 && dy == 0)) {
    m_edgeScroll.stop();
    return;
  }
  // The farther beyond the edge, the faster; never so slow that it seems stuck.
  const auto step = [](int distance) {
    return distance < 0 ? std::min(distance, -4) : distance > 0 ? std::max(distance, 4) : 0;
  };
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() + step(dx));
  verticalScrollBar()->setValue(verticalScrollBar()->value() + step(dy));
  m_tool->move(cellAt(*m_mouse));
}

void LevelView::describeCellUnderMouse() {
  QString description;
  const CellPos cell = m_mouse ? cellAt(*m_mouse) : CellPos{-1, -1};
  const Level& level = m_document.level();
  if (level.contains(cell.x, cell.y)) {
    description = QString("%1, %2").arg(cell.x).arg(cell.y);
    if (const int element = level.element(cell.x, cell.y); isElement(element))
      description += QString("  ") + translated::elementName(element);
  }
  if (description == m_cellDescription) return;
  m_cellDescription = description;
  emit cellUnderMouseChanged(description);
}

bool LevelView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) {
    m_mouse.reset();
    describeCellUnderMouse();
  }
  return QAbstractScrollArea::viewportEvent(event);
}
