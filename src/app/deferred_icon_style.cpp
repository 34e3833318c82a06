#include "app/deferred_icon_style.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

#include <functional>
#include <memory>
#include <optional>

namespace {

// Reads the icon it stands for on the first use that needs its pictures.
class DeferredIconEngine : public QIconEngine {
 public:
  struct Source {
    std::function<QIcon()> read;
    std::optional<QIcon> icon;
    const QIcon& get() {
      if (!icon) icon = read();
      return *icon;
    }
  };

  explicit DeferredIconEngine(std::shared_ptr<Source> source) : m_source(std::move(source)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    m_source->get().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return m_source->get().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return m_source->get().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return m_source->get().availableSizes(mode, state);
  }
  QString iconName() override { return m_source->get().name(); }
  // Asked when a widget takes the icon: a standard icon is there unless the style has none.
  bool isNull() override { return m_source->icon && m_source->icon->isNull(); }
  QString key() const override { return "DeferredIconEngine"; }
  QIconEngine* clone() const override { return new DeferredIconEngine(m_source); }

 private:
  std::shared_ptr<Source> m_source;
};

}  // namespace

DeferredIconStyle::DeferredIconStyle(QStyle* base)
    : QProxyStyle(base), m_defers(baseStyle()->name().compare("fusion", Qt::CaseInsensitive) == 0) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const {
  // Fusion's standard icons are pictures that depend on the direction alone. Other styles may
  // draw them from the widget or its palette: theirs are read at once.
  if (!m_defers) return QProxyStyle::standardIcon(which, option, widget);
  const Qt::LayoutDirection direction = option ? option->direction : QGuiApplication::layoutDirection();
  const int key = which * 2 + (direction == Qt::RightToLeft ? 1 : 0);
  const auto found = m_icons.constFind(key);
  if (found != m_icons.constEnd()) return *found;
  QPointer<QStyle> base = baseStyle();
  auto source = std::make_shared<DeferredIconEngine::Source>();
  source->read = [base, which, direction] {
    QStyleOption option;
    option.direction = direction;
    return base ? base->standardIcon(which, &option) : QIcon();
  };
  return *m_icons.insert(key, QIcon(new DeferredIconEngine(std::move(source))));
}
