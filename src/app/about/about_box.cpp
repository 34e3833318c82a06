#include "app/about/about_box.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "app/about/hyper_link.h"

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("About Cavernia Level Editor"));
  QFont small = font();
  small.setPointSize(8);
  setFont(small);

  // Places in dialog units of the 8-point font: a quarter of the average character width
  // across, an eighth of the character height down.
  const QFontMetrics metrics(font());
  const double unitX = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0 / 4.0;
  const double unitY = metrics.height() / 8.0;
  auto place = [&](QWidget* widget, int x, int y, int w, int h) {
    widget->setGeometry(qRound(x * unitX), qRound(y * unitY), qRound(w * unitX), qRound(h * unitY));
  };
  // Static texts get the room their text needs at least; dialog units only approximate it.
  auto text = [&](const QString& content, int x, int y, int w, int h) {
    auto* label = new QLabel(content, this);
    label->setTextFormat(Qt::PlainText);
    place(label, x, y, w, h);
    label->resize(std::max(label->width(), metrics.horizontalAdvance(content) + 2), std::max(label->height(), metrics.height()));
    return label;
  };

  auto* icon = new QLabel(this);
  place(icon, 11, 17, 20, 20);
  const int side = std::min(icon->width(), icon->height());
  icon->setPixmap(QApplication::windowIcon().pixmap(side, side));
  text(tr("Cavernia Level Editor, Version %1").arg(QApplication::applicationVersion()), 40, 10, 135, 8);
  text(tr("Made with Qt for Linux desktops"), 40, 25, 125, 8);
  auto* ok = new QPushButton(tr("OK"), this);
  place(ok, 239, 7, 32, 14);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  text(tr("If you have any useful ideas (or found some bugs), drop me an e-mail"), 40, 42, 216, 8);
  m_mail = new HyperLink(this);
  m_mail->setObjectName("mailLink");
  place(m_mail, 59, 56, 105, 8);
  text(tr("Don't forget to visit the Cavernia homepage"), 40, 70, 157, 8);
  m_homepage = new HyperLink(this);
  m_homepage->setObjectName("homepageLink");
  place(m_homepage, 59, 83, 206, 8);

  // The links show their addresses; the targets follow once they are in place.
  m_mail->setText(kMailAddress);
  m_homepage->setText(kHomepage);
  m_homepage->takePlace();
  m_mail->takePlace();
  m_mail->setUrl(QString("mailto:") + kMailAddress);
  m_homepage->setUrl(kHomepage);

  int right = qRound(278 * unitX), bottom = qRound(103 * unitY);
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    right = std::max(right, child->geometry().right() + qRound(7 * unitX));
    bottom = std::max(bottom, child->geometry().bottom() + qRound(7 * unitY));
  }
  setFixedSize(right, bottom);
  ok->setFocus();
}
