#pragma once

#include <QIcon>

#include "artwork/tile_image.h"

// The picture of an element for its palette button, from the set; none without a picture.
QIcon elementIcon(const ArtworkSet& set, int element);
