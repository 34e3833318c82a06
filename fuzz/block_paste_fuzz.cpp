// Clipboard text from any program, pasted into a level: the paste, its undo and its redo keep
// the level's invariants and bring back exactly the states before and after.
// Input: two bytes for the column and row of the top-left cell (from -8 to 247, so blocks
// also start left of and above the level), then the block text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "editing/level_document.h"
#include "editing/paste_block.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

void checkEmeraldTotal(const Level& level) {
  int emeralds = 0;
  for (int y = 0; y < Level::kMaxSize; ++y)
    for (int x = 0; x < Level::kMaxSize; ++x) emeralds += emeraldValue(level.element(x, y));
  check(level.emeraldTotal() == emeralds);
}

// A level with something to paste over, and a size below the store's so that cut-offs show.
Level furnished() {
  Level level;
  level.setNumber(Property::Width, 40);
  level.setNumber(Property::Height, 30);
  for (int y = 0; y < Level::kMaxSize; ++y)
    for (int x = 0; x < Level::kMaxSize; ++x)
      if ((x * 7 + y * 3) % 5 == 0) level.setElement(x, y, (x + y) % 2 ? EL_RUBY : EL_WALL);
  return level;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  static const Level start = furnished();
  LevelDocument doc{start};
  const CellPos topLeft{data[0] - 8, data[1] - 8};
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

  const int changed = pasteBlock(doc, topLeft, text);
  const Level after = doc.level();
  checkEmeraldTotal(after);
  check((changed > 0) == (after != start));
  check(doc.canUndo() == (changed > 0));
  for (int y = 0; y < Level::kMaxSize; ++y)
    for (int x = 0; x < Level::kMaxSize; ++x)
      if (!doc.level().contains(x, y)) check(after.element(x, y) == start.element(x, y));
  if (changed == 0) return 0;

  check(doc.undo());
  check(doc.level() == start);
  check(!doc.isModified());
  check(doc.redo());
  check(doc.level() == after);
  return 0;
}
