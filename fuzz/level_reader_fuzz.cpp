// The level reader on arbitrary bytes, read from a file as the editor reads one: it never
// crashes or leaks, keeps the level's invariants, remembers the file as it was, and whatever it
// accepts is saved in a form that reads back to the same level and writes the same bytes again.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include <unistd.h>

#include <fstream>

#include "level/level_file.h"
#include "level/level_format_error.h"
#include "level/level_io.h"

namespace {

void check(bool condition) {
  if (!condition) std::abort();
}

void checkLevel(const Level& level) {
  check(level.width() >= 1 && level.width() <= Level::kMaxSize);
  check(level.height() >= 1 && level.height() <= Level::kMaxSize);
  int emeralds = 0;
  for (int y = 0; y < Level::kMaxSize; ++y)
    for (int x = 0; x < Level::kMaxSize; ++x) {
      const int element = level.element(x, y);
      check(element == kNoElement || isElement(element));
      emeralds += emeraldValue(element);
    }
  check(level.emeraldTotal() == emeralds);
}

const std::string& filePath();

Level readBytes(const std::string& bytes) {
  std::istringstream in(bytes, std::ios::binary);
  return readLevel(in, filePath());
}

// One file of this process's own, written anew for each input.
const std::string& filePath() {
  static const std::string path = "/tmp/cavernia-fuzz-" + std::to_string(::getpid()) + ".lev";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::ofstream(filePath(), std::ios::binary | std::ios::trunc) << bytes;
  Level level;
  FileIdentity identity;
  const FileResult read = readLevelFile(filePath(), level, &identity);
  // The reader on the file and on the bytes agree.
  bool parsed = true;
  try {
    check(readBytes(bytes) == level || !read.ok);
  } catch (const LevelFormatError&) {
    parsed = false;
  }
  if (!read.ok) {
    check(level == Level());
    return 0;
  }
  check(parsed);
  check(checkFile(filePath(), identity) == FileState::Unchanged);
  checkLevel(level);
  const std::string first = levelText(level);
  FileIdentity written;
  check(saveLevelFile(level, filePath(), &written).ok);
  Level again;
  check(readLevelFile(filePath(), again).ok);  // what the editor saves it always reads
  checkLevel(again);
  check(levelText(again) == first);
  check(checkFile(filePath(), written) == FileState::Unchanged);
  return 0;
}
