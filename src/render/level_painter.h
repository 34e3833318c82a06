#pragma once

#include <QImage>
#include <QRect>

class Level;
class QPainter;

// Paints the part `clip` (in level pixels) of a level into `target`, whose pixel (0, 0) stands
// for level pixel clip.topLeft(): black background, every tile's picture from the current
// artwork set, and grey grid lines along the last pixel row and column of each cell, only
// inside the level. Used by the level view, printing and the command-line renderer.
void PaintLevel(QImage& target, const QRect& clip, const Level& level, int cellSize, bool showGrid);

// The grid lines alone, drawn onto a painter whose origin is level pixel clip.topLeft().
void DrawGrid(QPainter& painter, const QRect& clip, int cellSize, int levelWidth, int levelHeight);
