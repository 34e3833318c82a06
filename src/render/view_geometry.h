#pragma once

#include <QPoint>
#include <QRect>

// Cells and pixels. Level pixels have their origin at the top-left corner of cell (0, 0).

// The pixels of cell (col, row) at the given cell size.
inline QRect cellRect(int col, int row, int cellSize) { return QRect(col * cellSize, row * cellSize, cellSize, cellSize); }

// The cell under a level pixel. Division truncates toward zero, so a point up to one cell
// left of or above the level still gives column or row 0.
inline QPoint cellAtPixel(QPoint levelPixel, int cellSize) { return QPoint(levelPixel.x() / cellSize, levelPixel.y() / cellSize); }
