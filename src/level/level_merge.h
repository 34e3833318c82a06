#pragma once

#include <optional>
#include <string>
#include <vector>

#include "level/cell_range.h"
#include "level/level.h"
#include "level/property.h"

// A place both sides changed differently; the merge kept ours.
struct MergeConflict {
  enum class Kind { Cell, Property, Remainder, HiddenCell };
  Kind kind = Kind::Cell;
  CellPos cell;                      // Cell, HiddenCell
  std::optional<Property> property;  // Property
  int remainder = -1;                // Remainder, from 0
  // "conflict: cell 10, 3: ours Emerald, theirs Ruby, base Empty" (UTF-8)
  std::string text;
};

struct LevelMerge {
  Level level;
  std::vector<MergeConflict> conflicts;
};

// Merges two levels made from `base`: the whole store cell by cell, each property, each
// remainder slot, and the extra lines. What one side changed is taken, the same change on both
// sides once; where both changed one thing differently ours is kept and a conflict listed.
// A changed cell that the merged width or height would hide, and so not save, is a conflict too.
LevelMerge mergeLevels(const Level& base, const Level& ours, const Level& theirs);
