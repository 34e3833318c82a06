#include "app/about/hyper_link.h"

#include <QApplication>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace {

// Result codes of the opening attempts; above 32 is success, as the shell counts them.
constexpr int kOpened = 33;
constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;

const QColor kLinkBlue(0, 0, 255);
const QColor kActiveTeal(0, 128, 128);

// The desktop's own handler for the URL's scheme.
int OpenWithDesktop(const QString& url) { return QDesktopServices::openUrl(QUrl(url)) ? kOpened : kNoAssociation; }

// The user's browser as the BROWSER variable names it: its command line is cut at the
// placeholder (with its quotes, if any), and the URL follows after a space.
int OpenWithBrowser(const QString& url, int previous) {
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
  return QProcess::startDetached(program, arguments) ? kOpened : kFileNotFound;
}

}  // namespace

CHyperLink::CHyperLink(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  // Not in the tab order: only a click gives a link the focus.
  setFocusPolicy(Qt::ClickFocus);
  setMouseTracking(true);
  UpdateColour();
}

void CHyperLink::SetURL(const QString& url) {
  m_strURL = url;
  if (!m_bSubclassed) return;
  hide();
  FitToText();
  setToolTip(m_strURL);
  show();
}

void CHyperLink::showEvent(QShowEvent* event) {
  if (!m_bSubclassed) PreSubclassWindow();
  QLabel::showEvent(event);
}

void CHyperLink::PreSubclassWindow() {
  m_bSubclassed = true;
  if (m_strURL.isEmpty()) m_strURL = text();
  if (text().isEmpty()) setText(m_strURL);
  m_linkFont = font();
  m_linkFont.setUnderline(true);
  setFont(m_linkFont);
  FitToText();
  setToolTip(m_strURL);
}

void CHyperLink::FitToText() {
  // Exactly as large as the text, so only the text reacts to the mouse; the top-left stays.
  const QFontMetrics metrics(m_linkFont);
  const QMargins border = contentsMargins();
  resize(metrics.horizontalAdvance(text()) + border.left() + border.right(),
         metrics.height() + border.top() + border.bottom());
}

void CHyperLink::UpdateColour() {
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, m_bActive ? kActiveTeal : kLinkBlue);
  setPalette(colours);
  setAutoFillBackground(false);
  update();
}

void CHyperLink::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  m_bActive = true;
  UpdateColour();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
  // A press that moved off the link before its release opens nothing.
  if (event->button() == Qt::LeftButton && m_bActive && rect().contains(event->position().toPoint())) OpenLink();
  QLabel::mouseReleaseEvent(event);
}

void CHyperLink::mouseMoveEvent(QMouseEvent* event) {
  const bool over = rect().contains(event->position().toPoint());
  if (over != m_bOver) {
    m_bOver = over;
    update();
  }
  QLabel::mouseMoveEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
  m_bOver = false;
  update();
  QLabel::leaveEvent(event);
}

void CHyperLink::focusInEvent(QFocusEvent* event) {
  m_bActive = true;
  UpdateColour();
  QLabel::focusInEvent(event);
}

void CHyperLink::focusOutEvent(QFocusEvent* event) {
  m_bOver = false;
  m_bActive = false;
  UpdateColour();
  QLabel::focusOutEvent(event);
}

void CHyperLink::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
    OpenLink();
    return;
  }
  QLabel::keyPressEvent(event);
}

bool CHyperLink::OpenLink() {
  int result = OpenWithDesktop(m_strURL);
  if (result <= 32) result = OpenWithBrowser(m_strURL, result);
  if (result > 32) {
    update();
    return true;
  }
  QApplication::beep();
  QMessageBox::warning(window(), QApplication::applicationName(), "Can't open link:\n\n" + FailureText(result));
  return false;
}

QString CHyperLink::FailureText(int code) {
  switch (code) {
    case 0: return "The operating system is out\nof memory or resources.";
    case 2: return "The specified file was not found.";
    case 3: return "The specified path was not found.";
    case 5: return "The operating system denied\naccess to the specified file.";
    case 8: return "There was not enough memory to complete the operation.";
    case 11: return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case 26: return "A sharing violation occurred. ";
    case 27: return "The filename association is\nincomplete or invalid.";
    case 28: return "The DDE transaction could not\nbe completed because the request timed out.";
    case 29: return "The DDE transaction failed.";
    case 30: return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
    case 31: return "There is no application associated\nwith the given filename extension.";
    case 32: return "The specified dynamic-link library was not found.";
    default: return QString("Unknown Error (%1) occurred.").arg(code);
  }
}
