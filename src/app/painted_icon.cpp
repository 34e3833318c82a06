#include "app/painted_icon.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <map>
#include <tuple>

namespace {

class PaintedIconEngine : public QIconEngine {
 public:
  explicit PaintedIconEngine(std::function<QPixmap(QSize)> render) : m_render(std::move(render)) {}

  QIconEngine* clone() const override { return new PaintedIconEngine(m_render); }
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
    if (size.isEmpty()) return {};
    const auto key = std::tuple(size.width(), size.height(), static_cast<int>(mode));
    if (const auto kept = m_pixmaps.find(key); kept != m_pixmaps.end()) return kept->second;
    QPixmap pixmap = m_render(size);
    if (mode == QIcon::Disabled || mode == QIcon::Selected) {
      QStyleOption option;
      option.palette = QApplication::palette();
      pixmap = QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    return m_pixmaps[key] = pixmap;
  }

 private:
  std::function<QPixmap(QSize)> m_render;
  std::map<std::tuple<int, int, int>, QPixmap> m_pixmaps;
};

}  // namespace

QIcon paintedIcon(std::function<QPixmap(QSize)> render) { return QIcon(new PaintedIconEngine(std::move(render))); }
