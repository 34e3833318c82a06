#pragma once

#include <string>
#include <vector>

#include "level/level.h"

// One level file of a pack folder.
struct PackLevel {
  std::string file;         // the file name inside the folder, "cave-2.lev"
  Level level;              // what the file holds; an empty level when it could not be read
  std::string error;        // why the file could not be read, without the file name; empty when read
  int warnings = 0;         // how many warnings checkLevel finds, a broken link included
  int next = -1;            // the level its "Next level" names, -1 for none
  bool brokenLink = false;  // "Next level" names a level that is not in the folder
  bool readable() const { return error.empty(); }
};

// The levels of a folder and how their "Next level" values link them. Indexes are into `levels`.
struct LevelPack {
  std::vector<PackLevel> levels;                // sorted by file name
  std::vector<std::vector<int>> chains;         // each from a level no other level names
  std::vector<std::vector<int>> cycles;         // each from its first file, not repeated at the end
  std::vector<int> unreachable;                 // readable levels no chain reaches
  std::vector<std::vector<int>> duplicateNames; // levels sharing a name, ignoring case
  std::string error;                            // set when the folder itself cannot be read

  // Chains first, then the levels no chain reaches.
  std::vector<int> order() const;
  // Every file read and every link found: what a published pack needs.
  bool clean() const;
};

// Reads every ".lev" file of the folder (not its subfolders). A level's next level is the
// other level whose name or file name without ".lev" equals its "Next level", ignoring letter
// case and surrounding blanks; a name wins over a file name.
LevelPack readLevelPack(const std::string& folder);
