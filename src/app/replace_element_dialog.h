#pragma once

#include <QDialog>
#include <QSize>

struct ArtworkSet;
class QListWidget;
class QPushButton;
class QRadioButton;

// "Replace Element": the element to replace and the one to put in its place, side by side, and
// where: in the whole level or, when a block of more than one cell is marked (`marked`, not
// empty), in that block, which is then the choice made. OK stays disabled while both lists
// name the same element. The pictures come from the level's set.
class ReplaceElementDialog : public QDialog {
  Q_OBJECT
 public:
  ReplaceElementDialog(int element, const ArtworkSet& artwork, QSize marked, QWidget* parent = nullptr);

  QListWidget* replacedList() const { return m_replaced; }
  QListWidget* replacementList() const { return m_replacement; }
  int replaced() const;
  int replacement() const;
  bool inMarkedBlock() const;

 private:
  QListWidget* elementList(int chosen, const ArtworkSet& artwork);

  QListWidget* m_replaced = nullptr;
  QListWidget* m_replacement = nullptr;
  QRadioButton* m_inMarkedBlock = nullptr;
  QPushButton* m_ok = nullptr;
};
