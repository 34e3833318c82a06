#pragma once

#include <QPushButton>
#include <functional>
#include <string>

struct ArtworkSet;

// The 3 x 3 picture of one yam-yam explosion remainder. The left button paints the current
// element into the cells it passes, the right button empties them; the owner stores each
// change in the level and shows the pattern back, drawn with the set `artwork` gives.
class RemainderButton : public QPushButton {
  Q_OBJECT
 public:
  static constexpr int kCellSize = 30;
  static constexpr int kSide = 3 * kCellSize;

  RemainderButton(std::function<int()> currentElement, std::function<const ArtworkSet&()> artwork,
                  QWidget* parent = nullptr);

  // Shows a pattern: its first 9 characters, spaces and missing cells as "~".
  void setPattern(const std::string& text);
  const std::string& pattern() const { return m_pattern; }

  // The cell (0 to 8, row by row) under a point of the button, or -1 outside the grid.
  static int cellAt(QPoint point);

 signals:
  // A drag put an element (kNoElement: none) into a cell that held something else.
  void cellPainted(int cell, int element);
  // The button of the drag was released.
  void paintingFinished();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;

 private:
  void paintCell(QPoint point);
  void updateCursor();

  std::function<int()> m_currentElement;
  std::function<const ArtworkSet&()> m_artwork;
  std::string m_pattern;
  Qt::MouseButton m_dragButton = Qt::NoButton;  // the button that paints until its release
};
