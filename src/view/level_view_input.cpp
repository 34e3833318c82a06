// The mouse and the keys in the level view: the drawing mode's tool gets the cells, the view
// keeps who is dragging and the marking.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "view/level_view.h"
#include "view/fill_tool.h"
#include "view/free_draw_tool.h"
#include "view/selection_tool.h"
#include "view/shape_tool.h"

void LevelView::chooseTool() {
  cancelDrag();
  putDownBlock();
  switch (const LevelViewState::DrawMode mode = m_viewState.drawMode()) {
    case LevelViewState::DrawMode::Free: m_tool = std::make_unique<FreeDrawTool>(m_toolContext); break;
    case LevelViewState::DrawMode::Fill: m_tool = std::make_unique<FillTool>(m_toolContext); break;
    case LevelViewState::DrawMode::Selection: m_tool = std::make_unique<SelectionTool>(m_toolContext); break;
    default: m_tool = std::make_unique<ShapeTool>(m_toolContext, mode); break;
  }
  viewport()->setCursor(m_tool->cursor());
}

void LevelView::cancelDrag() {
  if (m_dragButton == Qt::NoButton) return;
  m_dragButton = Qt::NoButton;
  m_tool->cancel();
  emit stateChanged();
}

void LevelView::finishDrag() {
  if (m_dragButton == Qt::NoButton) return;
  m_tool->release(std::exchange(m_dragButton, Qt::NoButton));
  m_edgeScroll.stop();
  emit stateChanged();
}

void LevelView::mousePressEvent(QMouseEvent* event) {
  if (pickElement(*event)) return;
  const Qt::MouseButton button = event->button();
  // A press of the other button during a drag changes nothing.
  if ((button != Qt::LeftButton && button != Qt::RightButton) || m_dragButton != Qt::NoButton) return;
  m_dragButton = button;
  m_toolContext.selectionAtPress = selection();
  m_toolContext.modifiersAtPress = event->modifiers();
  m_toolContext.beyondClick = false;
  m_pressPos = event->position().toPoint();
  setMarking(std::nullopt);
  m_tool->press(cellAt(event->position().toPoint()), button);
  emit stateChanged();
}

void LevelView::mouseMoveEvent(QMouseEvent* event) {
  if (m_dragButton != Qt::NoButton) {
    if ((event->position().toPoint() - m_pressPos).manhattanLength() >= QApplication::startDragDistance())
      m_toolContext.beyondClick = true;
    m_tool->move(cellAt(event->position().toPoint()));
  }
  followMouse(event->position().toPoint());
}

void LevelView::mouseReleaseEvent(QMouseEvent* event) {
  const Qt::MouseButton button = event->button();
  if (m_dragButton == Qt::NoButton || (button != Qt::LeftButton && button != Qt::RightButton)) return;
  // Releasing the other button draws a shape with that button's element, as it always has.
  m_tool->release(button);
  if (button == m_dragButton) m_dragButton = Qt::NoButton;
  emit stateChanged();
}

void LevelView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      // One thing at a time: the drag, then the lift, then the marking.
      if (m_dragButton != Qt::NoButton)
        cancelDrag();
      else if (m_floating)
        cancelLift();
      else
        setMarking(std::nullopt);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!m_floating) break;
      putDownBlock();
      return;
    case Qt::Key_Delete:  // also from the keypad and with Ctrl or Alt held
      deleteSelection();
      break;
  }
  QAbstractScrollArea::keyPressEvent(event);
}
