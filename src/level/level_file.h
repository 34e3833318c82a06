#pragma once

#include <cstdint>
#include <string>

#include "level/file_identity.h"
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
// `level` is left as it was and the message names the file and says why. `identity` gets what
// the file was when it was read.
FileResult readLevelFile(const std::string& path, Level& level, FileIdentity* identity = nullptr);

// Writes the level to a temporary file beside the target and renames it into place only once
// everything is on disk (the folder too), so a failed save or a power cut never harms the old
// file. A symbolic link stays a link: the file it names is written. A file with more than one
// hard link is written in place, so that every name sees the new content. Permissions, and
// owner and group where the user may set them, stay as they were. `written` gets what the
// file is afterwards.
FileResult saveLevelFile(const Level& level, const std::string& path, FileIdentity* written = nullptr);

// The same for any bytes (used by tools that write levels or pictures).
FileResult writeFileAtomically(const std::string& path, const std::string& bytes, FileIdentity* written = nullptr);

// Whether the file exists and may not be written by this user (for the administrator: is
// marked for nobody to write).
bool isReadOnlyFile(const std::string& path);
