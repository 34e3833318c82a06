#include "props/remainder_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "level/brannoc_doc.h"
#include "level/elements.h"
#include "props/prop_view.h"
#include "render/tile_images.h"
#include "render/view_geometry.h"

CRemainderButton::CRemainderButton(QWidget* parent) : QPushButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);  // the cursor follows the current element while the mouse is over it
}

void CRemainderButton::SetPattern(const std::optional<std::string>& text) {
  m_strPattern = text ? text->substr(0, 9) : std::string();
  for (char& c : m_strPattern)
    if (c == ' ') c = NO_ELEMENT_CHAR;
  m_strPattern.resize(9, NO_ELEMENT_CHAR);
  update();
}

int CRemainderButton::CellFromPoint(QPoint point) {
  if (point.x() < 0 || point.y() < 0) return -1;
  const int column = point.x() / kCellSize, row = point.y() / kCellSize;
  if (column > 2 || row > 2) return -1;
  return row * 3 + column;
}

void CRemainderButton::paintEvent(QPaintEvent*) {
  // Drawn the way the level view draws its cells, on white, with the grid between them.
  QPainter painter(this);
  const QRect item = rect();
  painter.fillRect(item, Qt::white);
  painter.setPen(Qt::black);
  for (int k = 1; k <= 2; ++k) {
    painter.drawLine(kCellSize * k, 0, kCellSize * k, kSide);
    painter.drawLine(0, kCellSize * k, kSide, kCellSize * k);
  }
  for (int i = 0; i < static_cast<int>(m_strPattern.size()); ++i) {
    const char c = m_strPattern[i];
    if (c == ' ' || c == NO_ELEMENT_CHAR) continue;
    const int element = ElementFromChar(c);
    if (element >= 0) DrawTileImage(painter, CellRect(i % 3, i / 3, kCellSize), element);
  }
  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(item.adjusted(0, 0, -1, -1));
}

int CRemainderButton::CurrentElement() const {
  return m_pOwner ? m_pOwner->Document().m_nCurrentElement : NO_ELEMENT;
}

void CRemainderButton::mousePressEvent(QMouseEvent* event) {
  QPushButton::mousePressEvent(event);
  if (m_bRightDrag) return;
  // Qt keeps the mouse with the pressed widget until every button is up: that is the capture.
  if (event->button() == Qt::LeftButton) {
    m_bLeftDrag = true;
    PaintCell(event->position().toPoint(), CurrentElement());
  } else if (event->button() == Qt::RightButton) {
    m_bRightDrag = true;
    PaintCell(event->position().toPoint(), NO_ELEMENT);
  }
}

void CRemainderButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_bLeftDrag = false;
  if (event->button() == Qt::RightButton) m_bRightDrag = false;
  QPushButton::mouseReleaseEvent(event);
}

void CRemainderButton::mouseMoveEvent(QMouseEvent* event) {
  QPushButton::mouseMoveEvent(event);
  UpdateCursor();
  if (m_bLeftDrag)
    PaintCell(event->position().toPoint(), CurrentElement());
  else if (m_bRightDrag)
    PaintCell(event->position().toPoint(), NO_ELEMENT);
}

void CRemainderButton::enterEvent(QEnterEvent* event) {
  UpdateCursor();
  QPushButton::enterEvent(event);
}

void CRemainderButton::UpdateCursor() {
  // The players cannot be part of a remainder.
  if (IsPlayer(CurrentElement()))
    setCursor(Qt::ForbiddenCursor);
  else
    unsetCursor();
}

void CRemainderButton::PaintCell(QPoint point, int element) {
  if (IsPlayer(element)) return;
  const int cell = CellFromPoint(point);
  if (cell < 0) return;
  const char c = element == NO_ELEMENT ? NO_ELEMENT_CHAR : CharFromElement(element);
  if (m_strPattern.size() != 9 || m_strPattern[cell] == c) return;
  m_strPattern[cell] = c;
  update();
  if (m_pOwner) m_pOwner->SetRemainder(m_strPattern);
}
