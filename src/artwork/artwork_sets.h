#pragma once

#include <memory>
#include <string>
#include <vector>

#include "artwork/tile_image.h"

// The artwork sets of the program: one per subfolder of "art" in the program's folder, the
// default set first. Loaded once at start-up, read by every view until freeArtworkSets. Each
// level is drawn with the set its artwork property names.

class Level;

// Finds and loads every set under programFolder + "/art"; without a "Default" folder the
// program's own pictures make the default set.
void loadArtworkSets(const std::string& programFolder);

// Releases every set; afterwards there is no default set.
void freeArtworkSets();

const std::vector<std::unique_ptr<ArtworkSet>>& artworkSets();
// Changes whenever sets are released (and so loaded anew): pictures kept by their address
// from before are not the same pictures any more.
unsigned artworkGeneration();
const ArtworkSet* defaultArtworkSet();

// The set of that name (any case); nullptr when there is none.
const ArtworkSet* findArtworkSet(const std::string& name);
// The set of that name, else the default set: a level naming a set that is not there still
// shows its pictures. While no sets are loaded, a set without pictures (black cells).
const ArtworkSet& artworkSetOrDefault(const std::string& name);
// The set the level is drawn with.
const ArtworkSet& levelArtwork(const Level& level);
