#pragma once

#include <QPushButton>
#include <optional>
#include <string>

class CPropView;

// The 3 x 3 picture of one yam-yam explosion remainder. The left button paints the current
// element into the cells it passes, the right button empties them; every change goes to the
// owner form, which stores the pattern in the level.
class CRemainderButton : public QPushButton {
  Q_OBJECT
 public:
  static constexpr int kCellSize = 30;
  static constexpr int kSide = 3 * kCellSize;

  explicit CRemainderButton(QWidget* parent = nullptr);

  void SetOwner(CPropView* form) { m_pOwner = form; }

  // Shows a pattern: its first 9 characters, spaces and missing cells as "~"; none: all empty.
  void SetPattern(const std::optional<std::string>& text);
  const std::string& Pattern() const { return m_strPattern; }

  // The cell (0 to 8, row by row) under a point of the button, or -1 outside the grid.
  static int CellFromPoint(QPoint point);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  // Puts an element (none: -1) into the cell under the point and hands the pattern on.
  void PaintCell(QPoint point, int element);
  int CurrentElement() const;
  void UpdateCursor();

  CPropView* m_pOwner = nullptr;
  std::string m_strPattern;
  bool m_bLeftDrag = false;
  bool m_bRightDrag = false;
};
