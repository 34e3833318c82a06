// The mouse and the keys in the level view: the tool controller gets the mouse of a drag; the
// view names the cell under the mouse, picks elements and keeps the keys of the marking.
#include <QKeyEvent>
#include <QMouseEvent>

#include "editing/level_document.h"
#include "level/elements.h"
#include "render/model_texts.h"
#include "view/level_clipboard.h"
#include "view/level_view.h"
#include "view/level_view_state.h"

void LevelView::chooseTool() {
  m_tools.setMode(m_viewState.drawMode());
  putDownBlock();
  viewport()->setCursor(m_tools.cursor());
}

void LevelView::finishDrag() { m_tools.finish(); }

bool LevelView::pickElement(const QMouseEvent& event) {
  const bool picking = event.button() == Qt::MiddleButton ||
                       (event.button() == Qt::LeftButton && event.modifiers().testFlag(Qt::AltModifier));
  if (!picking) return false;
  const CellPos cell = cellAt(event.position().toPoint());
  const Level& level = m_document.level();
  // An empty cell has nothing to pick; a drag going on keeps its element.
  if (!m_tools.dragging() && level.contains(cell.x, cell.y) && level.element(cell.x, cell.y) != kNoElement)
    m_viewState.setCurrentElement(level.element(cell.x, cell.y));
  return true;
}

void LevelView::mousePressEvent(QMouseEvent* event) {
  if (pickElement(*event)) return;
  if (m_tools.press(event->position().toPoint(), event->button(), event->modifiers(), selection())) emit stateChanged();
}

void LevelView::mouseMoveEvent(QMouseEvent* event) {
  m_mouse = event->position().toPoint();
  m_tools.move(*m_mouse);
  describeCellUnderMouse();
}

void LevelView::mouseReleaseEvent(QMouseEvent* event) { m_tools.release(event->button()); }

bool LevelView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) {
    m_mouse.reset();
    describeCellUnderMouse();
  }
  return QAbstractScrollArea::viewportEvent(event);
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

void LevelView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
      // One thing at a time: the drag, then the lift, then the marking.
      if (!m_tools.cancel()) {
        if (m_floating)
          cancelLift();
        else
          setMarking(std::nullopt);
      }
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!m_floating) break;
      putDownBlock();
      return;
    case Qt::Key_Delete:  // also from the keypad and with Ctrl or Alt held
      LevelClipboard(*this).deleteSelection();
      break;
  }
  QAbstractScrollArea::keyPressEvent(event);
}
