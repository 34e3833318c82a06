#pragma once

#include <QImage>

class Level;
struct LevelPack;

// The whole level within side x side pixels, drawn with its own artwork set and no grid. Safe
// to call off the GUI thread while the artwork sets stay loaded.
QImage drawLevelThumbnail(const Level& level, int side);

// One thumbnail per level of the pack in chain order, each labelled with its name and file name;
// a level whose "Next level" is not in the folder is framed in red, a stray or a level sharing
// its name with another in orange, each saying so. A file that could not be read shows why.
QImage drawPackSheet(const LevelPack& pack);
