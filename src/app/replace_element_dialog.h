#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// "Replace Element": the element to replace and the one to put in its place, side by side.
// OK stays disabled while both lists name the same element.
class ReplaceElementDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ReplaceElementDialog(int element, QWidget* parent = nullptr);

  QListWidget* replacedList() const { return m_replaced; }
  QListWidget* replacementList() const { return m_replacement; }
  int replaced() const;
  int replacement() const;

 private:
  QListWidget* elementList(int chosen);

  QListWidget* m_replaced = nullptr;
  QListWidget* m_replacement = nullptr;
  QPushButton* m_ok = nullptr;
};
