#include "form/remainder_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "level/elements.h"
#include "render/tile_images.h"
#include "render/view_geometry.h"

RemainderButton::RemainderButton(std::function<int()> currentElement, std::function<const ArtworkSet&()> artwork,
                                 QWidget* parent)
    : QPushButton(parent), m_currentElement(std::move(currentElement)), m_artwork(std::move(artwork)) {
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);  // the cursor follows the current element while the mouse is over it
  setPattern({});
}

void RemainderButton::setPattern(const std::string& text) {
  m_pattern = text.substr(0, 9);
  for (char& c : m_pattern)
    if (c == ' ') c = kNoElementChar;
  m_pattern.resize(9, kNoElementChar);
  update();
}

int RemainderButton::cellAt(QPoint point) {
  if (point.x() < 0 || point.y() < 0) return -1;
  const int column = point.x() / kCellSize, row = point.y() / kCellSize;
  if (column > 2 || row > 2) return -1;
  return row * 3 + column;
}

void RemainderButton::paintEvent(QPaintEvent*) {
  // Drawn the way the level view draws its cells, on white, with the grid between them.
  QPainter painter(this);
  const QRect item = rect();
  painter.fillRect(item, Qt::white);
  painter.setPen(Qt::black);
  for (int k = 1; k <= 2; ++k) {
    painter.drawLine(kCellSize * k, 0, kCellSize * k, kSide);
    painter.drawLine(0, kCellSize * k, kSide, kCellSize * k);
  }
  const ArtworkSet& artwork = m_artwork();
  for (int i = 0; i < static_cast<int>(m_pattern.size()); ++i) {
    const int element = elementFromChar(m_pattern[i]);
    if (element != kNoElement) drawTileImage(painter, cellRect(i % 3, i / 3, kCellSize), artwork, element);
  }
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(item.adjusted(0, 0, -1, -1));
}

void RemainderButton::mousePressEvent(QMouseEvent* event) {
  QPushButton::mousePressEvent(event);
  // Qt keeps the mouse with the pressed widget until every button is up: that is the capture.
  if (m_dragButton != Qt::NoButton) return;
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) return;
  m_dragButton = event->button();
  paintCell(event->position().toPoint());
}

void RemainderButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == m_dragButton) {
    m_dragButton = Qt::NoButton;
    emit paintingFinished();
  }
  QPushButton::mouseReleaseEvent(event);
}

void RemainderButton::mouseMoveEvent(QMouseEvent* event) {
  QPushButton::mouseMoveEvent(event);
  updateCursor();
  if (m_dragButton != Qt::NoButton) paintCell(event->position().toPoint());
}

void RemainderButton::enterEvent(QEnterEvent* event) {
  updateCursor();
  QPushButton::enterEvent(event);
}

void RemainderButton::updateCursor() {
  // The players cannot be part of a remainder.
  if (isPlayer(m_currentElement()))
    setCursor(Qt::ForbiddenCursor);
  else
    unsetCursor();
}

void RemainderButton::paintCell(QPoint point) {
  const int element = m_dragButton == Qt::LeftButton ? m_currentElement() : kNoElement;
  const int cell = cellAt(point);
  if (cell < 0) return;
  if (m_pattern[cell] != charFromElement(element)) emit cellPainted(cell, element);
}
