// The three-way merge on three arbitrary level texts (separated by zero bytes, which a level
// file never holds): it never crashes, keeps the level's invariants, and what it would write
// reads back to the same level. Diffing the result against each side must not fail either.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "level/level_diff.h"
#include "level/level_format_error.h"
#include "level/level_io.h"
#include "level/level_merge.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

Level read(std::string_view bytes) {
  std::istringstream in{std::string(bytes), std::ios::binary};
  return readLevel(in, "fuzz.lev");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  Level sides[3];
  try {
    for (Level& side : sides) {
      const size_t end = std::min(input.find('\0'), input.size());
      side = read(input.substr(0, end));
      input.remove_prefix(std::min(end + 1, input.size()));
    }
  } catch (const LevelFormatError&) {
    return 0;
  }
  const LevelMerge merge = mergeLevels(sides[0], sides[1], sides[2]);
  const Level& level = merge.level;
  check(level.width() >= 1 && level.width() <= Level::kMaxSize);
  check(level.height() >= 1 && level.height() <= Level::kMaxSize);
  int emeralds = 0;
  for (int y = 0; y < Level::kMaxSize; ++y)
    for (int x = 0; x < Level::kMaxSize; ++x) emeralds += emeraldValue(level.element(x, y));
  check(level.emeraldTotal() == emeralds);
  const std::string text = levelText(level);
  check(levelText(read(text)) == text);
  if (merge.conflicts.empty() && sides[1] == sides[2]) check(level == sides[1]);
  for (const Level& side : sides)
    for (const LevelDifference& d : diffLevels(side, level)) check(d.text() == d.message().english());
  return 0;
}
