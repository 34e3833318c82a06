#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

// A static text that looks and acts like a link in a web page: blue and underlined, teal while
// it is active, a hand cursor over it and its target as tooltip. A click, or Space while it has
// the focus, opens the target with the desktop's handler.
class CHyperLink : public QLabel {
  Q_OBJECT
 public:
  explicit CHyperLink(QWidget* parent = nullptr);

  // Stores the target and shows it as the tooltip; the link is sized to its text.
  void SetURL(const QString& url);
  QString URL() const { return m_strURL; }

  // Opens the target; on failure beeps and reports why. True when it was opened.
  bool OpenLink();

  bool IsActive() const { return m_bActive; }
  bool IsOver() const { return m_bOver; }

  // Text of the failure report for a result code of the opening attempts.
  static QString FailureText(int code);

  // Called once, when the link takes its place in a dialog (at the latest when first shown):
  // fills in URL or text from each other, underlines the font and fits the link to its text.
  void PreSubclassWindow();

 protected:
  void FitToText();

  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void UpdateColour();

  bool m_bActive = false;  // clicked or focused, until the focus goes
  bool m_bOver = false;    // the mouse is over the link
  QString m_strURL;
  QFont m_linkFont;
  bool m_bSubclassed = false;
};
