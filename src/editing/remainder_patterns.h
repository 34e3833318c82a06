#pragma once

#include "level/level.h"

// Changes of the yam-yam remainder list, as the property form offers them. Each returns the
// new list; the slots keep their number (20), so an insert pushes the last pattern out.
namespace remainder_patterns {

// An empty pattern at `slot`, the ones from there on one slot further down.
Level::Remainders inserted(const Level::Remainders& patterns, int slot);
// The pattern at `slot` goes; the ones below move up and the last slot is empty.
Level::Remainders removed(const Level::Remainders& patterns, int slot);
// The pattern at `slot` replaced (an empty text empties the slot).
Level::Remainders replaced(const Level::Remainders& patterns, int slot, const std::string& pattern);
// One of the nine cells of the pattern at `slot` set to an element (kNoElement: nothing). An
// empty slot becomes a pattern of nine empty cells first.
Level::Remainders painted(const Level::Remainders& patterns, int slot, int cell, int element);

}  // namespace remainder_patterns
