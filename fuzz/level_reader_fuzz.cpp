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

const std::string& FilePath();

Level Read(const std::string& bytes) {
  std::istringstream in(bytes, std::ios::binary);
  return readLevel(in, FilePath());
}

// One file of this process's own, written anew for each input.
const std::string& FilePath() {
  static const std::string path = "/tmp/cavernia-fuzz-" + std::to_string(::getpid()) + ".lev";
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::ofstream(FilePath(), std::ios::binary | std::ios::trunc) << bytes;
  Level level;
  FileIdentity identity;
  const FileResult read = ReadLevelFile(FilePath(), level, &identity);
  // The reader on the file and on the bytes agree.
  bool parsed = true;
  try {
    Check(Read(bytes) == level || !read.ok);
  } catch (const LevelFormatError&) {
    parsed = false;
  }
  if (!read.ok) {
    Check(level == Level());
    return 0;
  }
  Check(parsed);
  Check(checkFile(FilePath(), identity) == FileState::Unchanged);
  CheckLevel(level);
  const std::string first = levelText(level);
  FileIdentity written;
  Check(SaveLevelFile(level, FilePath(), &written).ok);
  Level again;
  Check(ReadLevelFile(FilePath(), again).ok);  // what the editor saves it always reads
  CheckLevel(again);
  Check(levelText(again) == first);
  Check(checkFile(FilePath(), written) == FileState::Unchanged);
  return 0;
}
