#pragma once

#include <QObject>

// How the windows of one level edit and show it: the element the left button draws, the
// drawing mode, the cell size and the grid lines. One per open level, shared by its windows.
class LevelViewState : public QObject {
  Q_OBJECT
 public:
  enum class DrawMode { Free, Fill, Selection, Rectangle, FilledRectangle, Line };
  static constexpr int kDefaultCellSize = 30;
  static constexpr int kMinCellSize = 1;
  static constexpr int kMaxCellSize = 1000;

  explicit LevelViewState(QObject* parent = nullptr);

  int currentElement() const { return m_currentElement; }
  void setCurrentElement(int element);
  DrawMode drawMode() const { return m_drawMode; }
  void setDrawMode(DrawMode mode);
  int cellSize() const { return m_cellSize; }
  // Kept within kMinCellSize to kMaxCellSize.
  void setCellSize(int pixels);
  bool gridVisible() const { return m_gridVisible; }
  void setGridVisible(bool visible);

 signals:
  void currentElementChanged(int element);
  void drawModeChanged(LevelViewState::DrawMode mode);
  void cellSizeChanged(int pixels);
  void gridVisibleChanged(bool visible);

 private:
  int m_currentElement;
  DrawMode m_drawMode = DrawMode::Free;
  int m_cellSize = kDefaultCellSize;
  bool m_gridVisible = true;
};
