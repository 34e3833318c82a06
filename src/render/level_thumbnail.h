#pragma once

#include <QImage>

class Level;
struct LevelPack;

// The whole level within side x side pixels, drawn with its own artwork set and no grid. Safe
// to call off the GUI thread while the artwork sets stay loaded.
QImage DrawLevelThumbnail(const Level& level, int side);

// One thumbnail per level of the pack in chain order, each with its name; a level whose
// "Next level" is not in the folder is framed in red and says so.
QImage DrawPackSheet(const LevelPack& pack);
