#pragma once

#include <QPoint>
#include <QTest>

#include "gui_support.h"
#include "level/brannoc_doc.h"
#include "view/brannoc_view.h"

// Drives the level view with real mouse events, addressed by cell.
class ViewDriver {
 public:
  explicit ViewDriver(CBrannocView& view) : m_view(view) {}

  QPoint Centre(int col, int row) const {
    return m_view.CellViewportRect(col, row).center();
  }
  void Press(int col, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(m_view.viewport(), button, {}, Centre(col, row));
  }
  void Move(int col, int row) { QTest::mouseMove(m_view.viewport(), Centre(col, row)); }
  void MoveTo(QPoint pixel) { QTest::mouseMove(m_view.viewport(), pixel); }
  void Release(int col, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(m_view.viewport(), button, {}, Centre(col, row));
  }
  void Drag(int c1, int r1, int c2, int r2, Qt::MouseButton button = Qt::LeftButton) {
    Press(c1, r1, button);
    Move(c2, r2);
    Release(c2, r2, button);
  }

 private:
  CBrannocView& m_view;
};

inline int ElementAt(const CBrannocDoc& doc, int x, int y) {
  const CTile* tile = doc.GetTile(x, y);
  return tile ? tile->m_nElement : NO_ELEMENT;
}
