#pragma once

#include <QHash>
#include <QIcon>
#include <QProxyStyle>

// The application style, with its standard icons (title bar and tool bar buttons) read when
// first drawn or measured rather than when asked for. Qt asks for them as each tool bar, dock
// and level window is built, and reading one decodes all its pictures: most of them are never
// shown (a tool bar's overflow button) or are shown only after the window is on screen.
class DeferredIconStyle : public QProxyStyle {
 public:
  // Wraps `base`, the style the application has: it is not made a second time.
  explicit DeferredIconStyle(QStyle* base);

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override;

 private:
  const bool m_defers;
  mutable QHash<int, QIcon> m_icons;  // by kind and direction: the same icon every time, read at most once
};
