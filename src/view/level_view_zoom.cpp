// Zooming the level view: Ctrl+wheel around the mouse, steps around the middle, fitting the level.
#include <QScrollBar>
#include <QWheelEvent>

#include "editing/level_document.h"
#include "view/level_view.h"
#include "view/level_view_state.h"
#include "view/zoom_steps.h"

bool LevelView::canZoom(int steps) const {
  return zoomedCellSize(m_viewState.cellSize(), steps) != m_viewState.cellSize();
}

void LevelView::zoom(int steps, std::optional<QPoint> anchor) {
  const int from = m_viewState.cellSize();
  const int to = zoomedCellSize(from, steps);
  if (to == from) return;
  const QPoint at = anchor.value_or(viewport()->rect().center());
  const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
  m_zoomAnchor = ZoomAnchor{QPointF(at + scroll) / from, at};
  m_viewState.setCellSize(to);
  m_zoomAnchor.reset();
}

void LevelView::fitLevel() {
  const QSize room = maximumViewportSize();
  const Level& level = m_document.level();
  m_viewState.setCellSize(std::min(room.width() / level.width(), room.height() / level.height()));
  scrollTo({0, 0});
}

void LevelView::showCellSize() {
  updateScrollRange();
  // Scrolled before painting, so that a zoom step paints once.
  if (m_zoomAnchor) {
    scrollTo((m_zoomAnchor->cells * m_viewState.cellSize() - m_zoomAnchor->viewportPos).toPoint());
  }
  redraw();
  describeCellUnderMouse();
}

void LevelView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  // Fine wheels and touchpads send parts of a step; they add up.
  m_wheelZoom += event->angleDelta().y();
  const int steps = m_wheelZoom / QWheelEvent::DefaultDeltasPerStep;
  m_wheelZoom -= steps * QWheelEvent::DefaultDeltasPerStep;
  if (steps != 0) zoom(steps, event->position().toPoint());
  event->accept();
}
