#include "editing/remainder_patterns.h"

#include <algorithm>

namespace remainder_patterns {

namespace {
bool isSlot(int slot) { return slot >= 0 && slot < Level::kRemainderSlots; }
}  // namespace

Level::Remainders inserted(const Level::Remainders& patterns, int slot) {
  Level::Remainders result = patterns;
  if (!isSlot(slot)) return result;
  std::move_backward(result.begin() + slot, result.end() - 1, result.end());
  result[slot].clear();
  return result;
}

Level::Remainders removed(const Level::Remainders& patterns, int slot) {
  Level::Remainders result = patterns;
  if (!isSlot(slot)) return result;
  std::move(result.begin() + slot + 1, result.end(), result.begin() + slot);
  result.back().clear();
  return result;
}

Level::Remainders replaced(const Level::Remainders& patterns, int slot, const std::string& pattern) {
  Level::Remainders result = patterns;
  if (isSlot(slot)) result[slot] = pattern;
  return result;
}

Level::Remainders painted(const Level::Remainders& patterns, int slot, int cell, int element) {
  // The players cannot be part of a remainder.
  if (!isSlot(slot) || cell < 0 || cell > 8 || isPlayer(element)) return patterns;
  std::string pattern = patterns[slot].substr(0, 9);
  std::replace(pattern.begin(), pattern.end(), ' ', kNoElementChar);
  pattern.resize(9, kNoElementChar);
  pattern[cell] = element == kNoElement ? kNoElementChar : charFromElement(element);
  return replaced(patterns, slot, pattern);
}

}  // namespace remainder_patterns
