#pragma once

#include <QFont>
#include <QLabel>
#include <QString>

// A static text that looks and acts like a link in a web page: blue and underlined, teal while
// it is active, a hand cursor over it and its target as tooltip. A click, or Space while it has
// the focus, opens the target with the desktop's handler.
class HyperLink : public QLabel {
  Q_OBJECT
 public:
  explicit HyperLink(QWidget* parent = nullptr);

  // Stores the target and shows it as the tooltip; the link is sized to its text.
  void setUrl(const QString& url);
  QString url() const { return m_url; }

  // Opens the target; on failure beeps and reports why. True when it was opened.
  bool openLink();

  bool isActive() const { return m_active; }
  bool isOver() const { return m_over; }

  // Called once, when the link takes its place in a dialog (at the latest when first shown):
  // fills in URL or text from each other, underlines the font and fits the link to its text.
  void takePlace();

 protected:
  void showEvent(QShowEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void fitToText();
  void showColour();

  bool m_active = false;  // clicked or focused, until the focus goes
  bool m_over = false;    // the mouse is over the link
  QString m_url;
  QFont m_linkFont;
  bool m_placed = false;
};
