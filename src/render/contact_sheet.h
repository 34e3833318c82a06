#pragma once

#include <QImage>

#include "artwork/tile_image.h"

// Every element of the set at 15, 30 and 60 pixels with its name, for looking a set over at
// once. Elements without a picture show as black cells, as the level view draws them.
QImage drawContactSheet(const ArtworkSet& set);
