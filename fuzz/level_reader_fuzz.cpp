// The level reader on arbitrary bytes: it never crashes or leaks, keeps the level's
// invariants, and whatever it accepts is written in a form that reads back to the same level
// and writes the same bytes again.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "level/level_format_error.h"
#include "level/level_io.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckLevel(const Level& level) {
  Check(level.width() >= 1 && level.width() <= Level::kMaxSize);
  Check(level.height() >= 1 && level.height() <= Level::kMaxSize);
  int emeralds = 0;
  for (int y = 0; y < Level::kMaxSize; ++y)
    for (int x = 0; x < Level::kMaxSize; ++x) {
      const int element = level.element(x, y);
      Check(element == NO_ELEMENT || IsElement(element));
      emeralds += EmeraldValue(element);
    }
  Check(level.emeraldTotal() == emeralds);
}

Level Read(const std::string& bytes) {
  std::istringstream in(bytes, std::ios::binary);
  return readLevel(in, "fuzz.lev");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Level level;
  try {
    level = Read(std::string(reinterpret_cast<const char*>(data), size));
  } catch (const LevelFormatError&) {
    return 0;
  }
  CheckLevel(level);
  const std::string first = levelText(level);
  const Level again = Read(first);  // the writer's output must always be readable
  CheckLevel(again);
  Check(levelText(again) == first);
  return 0;
}
