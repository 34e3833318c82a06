#pragma once

#include "artwork/tile_image.h"

// The steps that fill one set's 50 records (used by loadArtworkSets, and by tests).

// Reads each element's file from the set's folder; names are matched without regard to case.
void loadSetImages(ArtworkSet& set);

// Fills the gaps of a default set from a partner in the set, else from the built-in pictures.
void completeDefaultSet(ArtworkSet& set);

// Fills the gaps of any other set from a partner in the set, else from the default set.
void completeSet(ArtworkSet& set, const ArtworkSet& defaultSet);

// The default set made of the built-in pictures alone, without partner substitution.
std::unique_ptr<ArtworkSet> makeBuiltinDefaultSet();

// Width and height of the record's picture, each cut to kMaxImageSide.
void measureImage(TileImage& record);

// The built-in picture of an element as a picture, or nullptr.
std::unique_ptr<Dib> builtinPicture(int element);
