#pragma once

#include <QImage>
#include <QRect>

#include "artwork/tile_image.h"

class Level;
class QPainter;

// Paints the part `clip` (in level pixels) of a level into `target`, whose pixel (0, 0) stands
// for level pixel clip.topLeft(): black background, every tile's picture from the artwork set,
// and grey grid lines along the last pixel row and column of each cell, only inside the level.
void paintLevel(QImage& target, const QRect& clip, const Level& level, const ArtworkSet& set, int cellSize,
                bool showGrid);

// The whole level as the view shows it at that cell size, as the command-line renderer and
// image export write it; a null image when there is no memory for it.
QImage drawLevelPicture(const Level& level, const ArtworkSet& set, int cellSize, bool showGrid);

// The grid lines alone, drawn onto a painter whose origin is level pixel clip.topLeft().
void drawGrid(QPainter& painter, const QRect& clip, int cellSize, int levelWidth, int levelHeight);
