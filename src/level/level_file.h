#pragma once

#include <cstdint>
#include <string>

#include "level/message.h"

class Level;

struct FileResult {
  bool ok = true;
  Message error{};  // names the file and what went wrong; values in UTF-8

  std::string message() const { return error.english(); }
};

// No level comes near this size; a bigger file is something else and is not read.
constexpr uint64_t kMaxLevelFileBytes = 16ull << 20;

// Reads a level file into `level`. A file that is not a regular file, is larger than
// kMaxLevelFileBytes or holds a zero byte is refused before anything is read; on any failure
// `level` is left as it was and the message names the file and says why.
FileResult ReadLevelFile(const std::string& path, Level& level);

// Writes the level to a temporary file beside the target and renames it into place only once
// everything is on disk, so a failed save never harms the old file.
FileResult SaveLevelFile(const Level& level, const std::string& path);

// The same for any bytes (used by tools that write levels or pictures).
FileResult WriteFileAtomically(const std::string& path, const std::string& bytes);
