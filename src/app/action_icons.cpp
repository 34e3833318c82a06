#include "app/action_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

#include "app/painted_icon.h"

namespace {

constexpr int kSize = 32;  // drawn at twice the button size so it stays crisp when scaled

QIcon draw(std::function<void(QPainter&)> paint) {
  return paintedIcon([paint = std::move(paint)](QSize size) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    p.end();
    return size == pixmap.size() ? pixmap : pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  });
}

const QColor kInk(40, 40, 48);
const QColor kPaper(252, 252, 246);
const QColor kBlue(40, 96, 200);

void page(QPainter& p, QRectF r) {
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - 7, r.top());
  path.lineTo(r.right(), r.top() + 7);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(QPen(kInk, 2));
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(r.right() - 7, r.top()), QPointF(r.right() - 7, r.top() + 7));
  p.drawLine(QPointF(r.right() - 7, r.top() + 7), QPointF(r.right(), r.top() + 7));
}

void cellGrid(QPainter& p, int cells) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 30));
  p.drawRect(3, 3, 26, 26);
  p.setPen(QPen(QColor(150, 150, 150), 1.5));
  for (int i = 1; i < cells; ++i) {
    const double at = 3 + 26.0 * i / cells;
    p.drawLine(QPointF(at, 3), QPointF(at, 29));
    p.drawLine(QPointF(3, at), QPointF(29, at));
  }
}

// Heavy text, centred in `box`: the regular face outlined with a pen, so that no bold face
// needs loading for three pictures.
void heavyText(QPainter& p, const QRectF& box, int pixelSize, const QString& text, const QColor& colour) {
  QFont font = p.font();
  font.setPixelSize(pixelSize);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const QRectF bounds = path.boundingRect();
  path.translate(box.center() - bounds.center());
  p.setPen(QPen(colour, pixelSize / 12.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(colour);
  p.drawPath(path);
}

void sizeLabel(QPainter& p, const QString& text) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 30));
  p.drawRoundedRect(QRectF(1, 5, 30, 22), 4, 4);
  heavyText(p, QRectF(1, 5, 30, 22), 16, text, QColor(250, 220, 80));
}

}  // namespace

QIcon actionIcon(ActionIcon icon) {
  switch (icon) {
    case ActionIcon::NewLevel:
      return draw([](QPainter& p) { page(p, QRectF(7, 3, 19, 26)); });
    case ActionIcon::Open:
      return draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(230, 190, 90));
        p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(12, 8), QPointF(14, 11), QPointF(27, 11), QPointF(27, 27), QPointF(3, 27)}));
        p.setBrush(QColor(250, 215, 120));
        p.drawPolygon(QPolygonF({QPointF(3, 27), QPointF(8, 15), QPointF(31, 15), QPointF(27, 27)}));
      });
    case ActionIcon::Save:
      return draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(8, 18, 16, 10));
      });
    case ActionIcon::SendMail:
      return draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(kPaper);
        p.drawRect(QRectF(3, 8, 26, 17));
        p.drawPolyline(QPolygonF({QPointF(3, 8), QPointF(16, 18), QPointF(29, 8)}));
      });
    case ActionIcon::Cut:
      return draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2.5));
        p.drawLine(QPointF(10, 3), QPointF(20, 21));
        p.drawLine(QPointF(22, 3), QPointF(12, 21));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(200, 40, 40), 2.5));
        p.drawEllipse(QPointF(10, 25), 4.5, 4.5);
        p.drawEllipse(QPointF(22, 25), 4.5, 4.5);
      });
    case ActionIcon::Copy:
      return draw([](QPainter& p) {
        page(p, QRectF(3, 2, 17, 21));
        page(p, QRectF(12, 9, 17, 21));
      });
    case ActionIcon::Paste:
      return draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(190, 140, 80));
        p.drawRoundedRect(QRectF(4, 5, 20, 24), 2, 2);
        p.setBrush(QColor(160, 160, 170));
        p.drawRect(QRectF(9, 2, 10, 6));
        page(p, QRectF(14, 12, 15, 18));
      });
    case ActionIcon::Print:
      return draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(170, 170, 180));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(8, 20, 16, 9));
      });
    case ActionIcon::About:
      return draw([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(3, 3, 26, 26));
        heavyText(p, QRectF(3, 3, 26, 26), 20, "?", Qt::white);
      });
    case ActionIcon::FreeDraw:
      return draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(240, 200, 60));
        p.drawPolygon(QPolygonF({QPointF(22, 3), QPointF(29, 10), QPointF(11, 28), QPointF(4, 28), QPointF(4, 21)}));
        p.setBrush(kInk);
        p.drawPolygon(QPolygonF({QPointF(4, 28), QPointF(4, 23), QPointF(9, 28)}));
      });
    case ActionIcon::Line:
      return draw([](QPainter& p) {
        p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 27), QPointF(27, 5));
      });
    case ActionIcon::Fill:
      return draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(200, 200, 210));
        p.drawPolygon(QPolygonF({QPointF(12, 4), QPointF(25, 15), QPointF(15, 27), QPointF(3, 16)}));
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(23, 17, 7, 11));
      });
    case ActionIcon::Rectangle:
      return draw([](QPainter& p) {
        p.setPen(QPen(kInk, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(5, 8, 22, 17));
      });
    case ActionIcon::FilledRectangle:
      return draw([](QPainter& p) {
        p.setPen(QPen(kInk, 3));
        p.setBrush(QColor(110, 110, 120));
        p.drawRect(QRectF(5, 8, 22, 17));
      });
    case ActionIcon::Selection:
      return draw([](QPainter& p) {
        p.setPen(QPen(kInk, 2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(4, 6, 24, 20));
      });
    case ActionIcon::CellSize15: return draw([](QPainter& p) { sizeLabel(p, "15"); });
    case ActionIcon::CellSize30: return draw([](QPainter& p) { sizeLabel(p, "30"); });
    case ActionIcon::CellSize60: return draw([](QPainter& p) { sizeLabel(p, "60"); });
    case ActionIcon::GridSize:
      return draw([](QPainter& p) {
        cellGrid(p, 2);
        p.setPen(QPen(QColor(250, 220, 80), 2.5));
        p.drawLine(QPointF(8, 24), QPointF(24, 8));
        p.drawLine(QPointF(24, 8), QPointF(17, 8));
        p.drawLine(QPointF(24, 8), QPointF(24, 15));
      });
    case ActionIcon::Grid:
      return draw([](QPainter& p) { cellGrid(p, 4); });
  }
  return {};
}
