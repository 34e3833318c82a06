#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a level file was when the editor last read or wrote it: enough to tell later whether
// another program has changed it since (git, a script, a second editor).
struct FileIdentity {
  uint64_t device = 0;
  uint64_t inode = 0;
  uint64_t size = 0;
  int64_t modifiedNs = 0;
  int64_t statusChangedNs = 0;  // which no program can set back, unlike the modification time
  uint64_t hash = 0;  // of the bytes

  bool operator==(const FileIdentity&) const = default;
};

// A 64-bit hash of the bytes (FNV-1a): no check against tampering, only against change.
uint64_t contentHash(std::string_view bytes);

struct stat;
// The identity of a file with that status and those bytes.
FileIdentity identityOfStat(const struct stat& st, std::string_view bytes);
// The identity of `path` now, given the bytes it holds; none when it cannot be looked at.
std::optional<FileIdentity> identityOf(const std::string& path, std::string_view bytes);

enum class FileState { Unchanged, Changed, Missing };

// Compares the file at `path` with what was known of it. Size, times and inode decide when
// they agree; otherwise the bytes are read and compared by hash, so a file touched or written back
// with the same bytes counts as unchanged. `now` gets the identity found, when there is one.
FileState checkFile(const std::string& path, const FileIdentity& known, FileIdentity* now = nullptr);
