#pragma once

#include <map>
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
  bool duplicateName = false;  // another level of the folder has the same name
  bool stray = false;       // no level names it and it is not the pack's first level
  bool readable() const { return error.empty(); }
};

// The levels of a folder and how their "Next level" values link them. Indexes are into `levels`.
struct LevelPack {
  std::vector<PackLevel> levels;                // sorted by file name
  // Each from a level no other level names. A pack has one first level: the one that starts
  // the longest chain (on a tie, the file name that sorts first), whose chain comes first;
  // every further chain starts at a stray.
  std::vector<std::vector<int>> chains;
  std::vector<std::vector<int>> cycles;         // each from its first file, not repeated at the end
  std::vector<int> unreachable;                 // readable levels the first level's chain does not reach
  std::vector<std::vector<int>> duplicateNames; // levels sharing a name, ignoring case
  std::string error;                            // set when the folder itself cannot be read

  // Every file: the chains, then the levels no chain reaches, then the files not read.
  std::vector<int> order() const;
  // Every file read, every link found and no stray: what a published pack needs.
  bool clean() const;
};

// Reads every ".lev" file of the folder (not its subfolders). A level's next level is the
// other level whose name or file name without ".lev" equals its "Next level", ignoring letter
// case and surrounding blanks; a name wins over a file name. Levels open in the editor, by file
// name, stand for their files: the pack shows their unsaved state.
LevelPack readLevelPack(const std::string& folder, const std::map<std::string, Level>& open = {});
