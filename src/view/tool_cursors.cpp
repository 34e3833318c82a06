#include "view/tool_cursors.h"

#include <QBitmap>
#include <QPainter>
#include <QPolygon>
#include <functional>


namespace {

// A 32 x 32 two-colour cursor: `outline` paints the black parts, `fill` the white ones.
// Everything painted becomes opaque; the rest of the square is transparent.
QCursor makeCursor(QPoint hotSpot, const std::function<void(QPainter&)>& fill,
                   const std::function<void(QPainter&)>& outline) {
  QBitmap black(32, 32), mask(32, 32);
  black.clear();
  mask.clear();
  {
    QPainter p(&mask);
    p.setPen(Qt::color1);
    p.setBrush(Qt::color1);
    fill(p);
    outline(p);
    // The cross-hair, with a white rim so it shows on black cells.
    p.drawRect(hotSpot.x() - 6, hotSpot.y() - 1, 12, 2);
    p.drawRect(hotSpot.x() - 1, hotSpot.y() - 6, 2, 12);
  }
  {
    QPainter p(&black);
    p.setPen(Qt::color1);
    p.setBrush(Qt::color1);
    outline(p);
    p.drawLine(hotSpot.x() - 5, hotSpot.y(), hotSpot.x() + 5, hotSpot.y());
    p.drawLine(hotSpot.x(), hotSpot.y() - 5, hotSpot.x(), hotSpot.y() + 5);
  }
  return QCursor(black, mask, hotSpot.x(), hotSpot.y());
}

QCursor pencilCursor() {
  const QPolygon body({QPoint(12, 24), QPoint(27, 9), QPoint(31, 13), QPoint(16, 28)});
  return makeCursor(
      QPoint(6, 16), [&](QPainter& p) { p.drawPolygon(body); },
      [&](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(body);
        p.drawLine(12, 24, 9, 31);
        p.drawLine(16, 28, 9, 31);
        p.drawLine(24, 12, 28, 16);
      });
}

QCursor bucketCursor() {
  const QPolygon bucket({QPoint(16, 10), QPoint(28, 20), QPoint(20, 30), QPoint(8, 20)});
  return makeCursor(
      QPoint(4, 15), [&](QPainter& p) { p.drawPolygon(bucket); },
      [&](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(bucket);
        p.drawLine(16, 10, 12, 4);
        p.setBrush(Qt::color1);
        p.drawEllipse(QPoint(28, 27), 2, 3);
      });
}

QCursor rectangleCursor(bool filled) {
  return makeCursor(
      QPoint(6, 5), [](QPainter& p) { p.drawRect(12, 12, 18, 14); },
      [filled](QPainter& p) {
        p.setBrush(Qt::NoBrush);
        p.drawRect(12, 12, 18, 14);
        if (filled) {
          p.drawRect(13, 13, 16, 12);
          p.drawRect(14, 14, 14, 10);
        }
      });
}

QCursor lineCursor() {
  return makeCursor(
      QPoint(5, 5), [](QPainter& p) { p.drawPolygon(QPolygon({QPoint(11, 13), QPoint(13, 11), QPoint(30, 28), QPoint(28, 30)})); },
      [](QPainter& p) {
        p.drawLine(12, 12, 29, 29);
        p.drawLine(13, 12, 29, 28);
      });
}

}  // namespace

QCursor toolCursor(LevelViewState::DrawMode mode) {
  static const QCursor pencil = pencilCursor(), bucket = bucketCursor(), rectangle = rectangleCursor(false),
                       filledRectangle = rectangleCursor(true), line = lineCursor();
  switch (mode) {
    case LevelViewState::DrawMode::Free: return pencil;
    case LevelViewState::DrawMode::Fill: return bucket;
    case LevelViewState::DrawMode::Rectangle: return rectangle;
    case LevelViewState::DrawMode::FilledRectangle: return filledRectangle;
    case LevelViewState::DrawMode::Line: return line;
    case LevelViewState::DrawMode::Selection: break;
  }
  return QCursor(Qt::ArrowCursor);
}
