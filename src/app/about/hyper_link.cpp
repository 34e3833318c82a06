#include "app/about/hyper_link.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace {

const QColor kLinkBlue(0, 0, 255);
const QColor kActiveTeal(0, 128, 128);

// Why a link could not be opened, in the words the user has always been shown.
const char* const kNoHandler =
    QT_TRANSLATE_NOOP("HyperLink", "There is no application associated\nwith the given filename extension.");
const char* const kBrowserMissing = QT_TRANSLATE_NOOP("HyperLink", "The specified file was not found.");

// The user's browser as the BROWSER variable names it: its command line is cut at the
// placeholder (with its quotes, if any), and the URL follows after a space. Empty when it
// started; else why not, or `previous` when there is no browser to try.
QString openWithBrowser(const QString& url, const QString& previous) {
  const QString command = qEnvironmentVariable("BROWSER").section(':', 0, 0).trimmed();
  if (command.isEmpty()) return previous;
  QString line = command;
  for (const QString& placeholder : {QStringLiteral("\"%1\""), QStringLiteral("%1"), QStringLiteral("\"%s\""),
                                     QStringLiteral("%s")}) {
    const qsizetype at = line.indexOf(placeholder);
    if (at >= 0) {
      line.truncate(at);
      break;
    }
  }
  QStringList arguments = QProcess::splitCommand(line);
  if (arguments.isEmpty()) return previous;
  const QString program = arguments.takeFirst();
  arguments << url;
  return QProcess::startDetached(program, arguments) ? QString() : HyperLink::tr(kBrowserMissing);
}

}  // namespace

HyperLink::HyperLink(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  // Not in the tab order: only a click gives a link the focus.
  setFocusPolicy(Qt::ClickFocus);
  setMouseTracking(true);
  showColour();
}

void HyperLink::setUrl(const QString& url) {
  m_url = url;
  if (!m_placed) return;
  hide();
  fitToText();
  setToolTip(m_url);
  show();
}

void HyperLink::showEvent(QShowEvent* event) {
  if (!m_placed) takePlace();
  QLabel::showEvent(event);
}

void HyperLink::takePlace() {
  m_placed = true;
  if (m_url.isEmpty()) m_url = text();
  if (text().isEmpty()) setText(m_url);
  m_linkFont = font();
  m_linkFont.setUnderline(true);
  setFont(m_linkFont);
  fitToText();
  setToolTip(m_url);
}

void HyperLink::fitToText() {
  // Exactly as large as the text, so only the text reacts to the mouse; the top-left stays.
  const QFontMetrics metrics(m_linkFont);
  const QMargins border = contentsMargins();
  resize(metrics.horizontalAdvance(text()) + border.left() + border.right(),
         metrics.height() + border.top() + border.bottom());
}

void HyperLink::showColour() {
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, m_active ? kActiveTeal : kLinkBlue);
  setPalette(colours);
  setAutoFillBackground(false);
  update();
}

void HyperLink::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  m_active = true;
  showColour();
}

void HyperLink::mouseReleaseEvent(QMouseEvent* event) {
  // A press that moved off the link before its release opens nothing.
  if (event->button() == Qt::LeftButton && m_active && rect().contains(event->position().toPoint())) openLink();
  QLabel::mouseReleaseEvent(event);
}

void HyperLink::mouseMoveEvent(QMouseEvent* event) {
  const bool over = rect().contains(event->position().toPoint());
  if (over != m_over) {
    m_over = over;
    update();
  }
  QLabel::mouseMoveEvent(event);
}

void HyperLink::leaveEvent(QEvent* event) {
  m_over = false;
  update();
  QLabel::leaveEvent(event);
}

void HyperLink::focusInEvent(QFocusEvent* event) {
  m_active = true;
  showColour();
  QLabel::focusInEvent(event);
}

void HyperLink::focusOutEvent(QFocusEvent* event) {
  m_over = false;
  m_active = false;
  showColour();
  QLabel::focusOutEvent(event);
}

void HyperLink::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
    openLink();
    return;
  }
  QLabel::keyPressEvent(event);
}

bool HyperLink::openLink() {
  QString failure = QDesktopServices::openUrl(QUrl(m_url)) ? QString() : tr(kNoHandler);
  if (!failure.isEmpty()) failure = openWithBrowser(m_url, failure);
  if (failure.isEmpty()) {
    update();
    return true;
  }
  QApplication::beep();
  QMessageBox::warning(window(), QApplication::applicationName(), tr("Can't open link:\n\n%1").arg(failure));
  return false;
}
