#include "view/view_settings.h"

#include <algorithm>

#include "level/elements.h"

ViewSettings::ViewSettings(QObject* parent) : QObject(parent), m_currentElement(EL_WALL) {}

void ViewSettings::setCurrentElement(int element) {
  if (element == m_currentElement) return;
  m_currentElement = element;
  emit currentElementChanged(element);
}

void ViewSettings::setDrawMode(DrawMode mode) {
  if (mode == m_drawMode) return;
  m_drawMode = mode;
  emit drawModeChanged(mode);
}

void ViewSettings::setCellSize(int pixels) {
  // Every view divides by the cell size: 0 must never get here.
  pixels = std::clamp(pixels, kMinCellSize, kMaxCellSize);
  if (pixels == m_cellSize) return;
  m_cellSize = pixels;
  emit cellSizeChanged(pixels);
}

void ViewSettings::setGridVisible(bool visible) {
  if (visible == m_gridVisible) return;
  m_gridVisible = visible;
  emit gridVisibleChanged(visible);
}
