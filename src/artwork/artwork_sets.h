#pragma once

#include <memory>
#include <string>
#include <vector>

#include "artwork/tile_image.h"

// The artwork sets of the program: one per subfolder of "art" in the program's folder, the
// default set first. Loaded once at start-up, read by every view until FreeArtworkSets.

// Finds and loads every set under programFolder + "/art"; without a "Default" folder the
// program's own pictures make the default set.
void LoadArtworkSets(const std::string& programFolder);

// Releases every set; afterwards there is no default and no current set.
void FreeArtworkSets();

// Makes the set of that name (any case) current: 1 when the current set changed, else 0.
int SelectArtworkSet(const char* name);

const std::vector<std::unique_ptr<ArtworkSet>>& ArtworkSets();
// Changes whenever sets are released (and so loaded anew): pictures kept by their address
// from before are not the same pictures any more.
unsigned ArtworkGeneration();
const ArtworkSet* DefaultArtworkSet();
// The set all views draw with; nullptr until a level document first selects one.
const ArtworkSet* CurrentArtworkSet();
