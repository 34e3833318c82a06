#pragma once

#include <QImage>
#include <QRect>
#include <bitset>
#include <vector>

#include "artwork/tile_image.h"
#include "level/level.h"
#include "level/level_diff.h"

// Cells to outline, one flag per store cell (y * Level::kMaxSize + x).
using CellFlags = std::bitset<Level::kMaxSize * Level::kMaxSize>;

// The cells the differences name.
CellFlags changedCells(const std::vector<LevelDifference>& differences);

// Outlines each area of flagged cells inside the level, in black and magenta, so that it shows
// on every artwork: into `target` (RGB32), whose pixel (0, 0) stands for level pixel
// clip.topLeft(), as paintLevel paints it.
void drawCellOutlines(QImage& target, const QRect& clip, const CellFlags& cells, int cellSize, int levelWidth,
                      int levelHeight);

// The level as the view shows it at that cell size, with the flagged cells outlined; a null
// image when there is no memory for it.
QImage drawOutlinedLevelPicture(const Level& level, const ArtworkSet& set, const CellFlags& cells, int cellSize);
