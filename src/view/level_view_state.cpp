#include "view/level_view_state.h"

#include <algorithm>

#include "level/elements.h"

LevelViewState::LevelViewState(QObject* parent) : QObject(parent), m_currentElement(EL_WALL) {}

void LevelViewState::setCurrentElement(int element) {
  if (element == m_currentElement) return;
  m_currentElement = element;
  emit currentElementChanged(element);
}

void LevelViewState::setDrawMode(DrawMode mode) {
  if (mode == m_drawMode) return;
  m_drawMode = mode;
  emit drawModeChanged(mode);
}

void LevelViewState::setCellSize(int pixels) {
  // Every view divides by the cell size: 0 must never get here.
  pixels = std::clamp(pixels, kMinCellSize, kMaxCellSize);
  if (pixels == m_cellSize) return;
  m_cellSize = pixels;
  emit cellSizeChanged(pixels);
}

void LevelViewState::setGridVisible(bool visible) {
  if (visible == m_gridVisible) return;
  m_gridVisible = visible;
  emit gridVisibleChanged(visible);
}
