#pragma once

#include <QDialog>

struct ArtworkSet;
class QListWidget;
class QPushButton;

// "Replace Element": the element to replace and the one to put in its place, side by side.
// OK stays disabled while both lists name the same element. The pictures come from the level's set.
class ReplaceElementDialog : public QDialog {
  Q_OBJECT
 public:
  ReplaceElementDialog(int element, const ArtworkSet& artwork, QWidget* parent = nullptr);

  QListWidget* replacedList() const { return m_replaced; }
  QListWidget* replacementList() const { return m_replacement; }
  int replaced() const;
  int replacement() const;

 private:
  QListWidget* elementList(int chosen, const ArtworkSet& artwork);

  QListWidget* m_replaced = nullptr;
  QListWidget* m_replacement = nullptr;
  QPushButton* m_ok = nullptr;
};
