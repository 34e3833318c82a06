#pragma once

#include "artwork/tile_image.h"

// The steps that fill one set's 50 records (used by LoadArtworkSets, and by tests).

// Reads each element's file from the set's folder; names are matched without regard to case.
void LoadSetImages(ArtworkSet& set);

// Fills the gaps of a default set from a partner in the set, else from the built-in pictures.
void CompleteDefaultSet(ArtworkSet& set);

// Fills the gaps of any other set from a partner in the set, else from the default set.
void CompleteSet(ArtworkSet& set, const ArtworkSet& defaultSet);

// The default set made of the built-in pictures alone, without partner substitution.
std::unique_ptr<ArtworkSet> MakeBuiltinDefaultSet();

// Width and height of the record's picture, each cut to MAX_IMAGE_SIDE.
void MeasureImage(TileImage& record);

// The built-in picture of an element as a picture, or nullptr.
std::unique_ptr<Dib> BuiltinPicture(int element);
