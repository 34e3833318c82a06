#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

// The bar above a level window's panes that tells of another program's change to the level's
// file: changed (with Reload and Keep my version), unreadable or gone.
class DiskChangeBar : public QFrame {
  Q_OBJECT
 public:
  explicit DiskChangeBar(QWidget* parent = nullptr);

  // Shows the text; the two buttons only where there is another version to take.
  void tell(const QString& text, bool offerReload);
  QString text() const;
  QPushButton* reloadButton() const { return m_reload; }
  QPushButton* keepButton() const { return m_keep; }

 signals:
  void reloadChosen();
  void keepChosen();

 private:
  QLabel* m_text = nullptr;
  QPushButton* m_reload = nullptr;
  QPushButton* m_keep = nullptr;
};
