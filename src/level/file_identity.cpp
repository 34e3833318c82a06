#include "level/file_identity.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

namespace {

FileIdentity statIdentity(const struct stat& st) {
  FileIdentity identity;
  identity.device = static_cast<uint64_t>(st.st_dev);
  identity.inode = static_cast<uint64_t>(st.st_ino);
  identity.size = static_cast<uint64_t>(st.st_size);
  identity.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
  identity.statusChangedNs = static_cast<int64_t>(st.st_ctim.tv_sec) * 1'000'000'000 + st.st_ctim.tv_nsec;
  return identity;
}

}  // namespace

FileIdentity identityOfStat(const struct stat& st, std::string_view bytes) {
  FileIdentity identity = statIdentity(st);
  identity.size = bytes.size();
  identity.hash = contentHash(bytes);
  return identity;
}

uint64_t contentHash(std::string_view bytes) {
  uint64_t hash = 14695981039346656037ull;
  for (const unsigned char c : bytes) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

std::optional<FileIdentity> identityOf(const std::string& path, std::string_view bytes) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return identityOfStat(st, bytes);
}

FileState checkFile(const std::string& path, const FileIdentity& known, FileIdentity* now) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return FileState::Missing;
  FileIdentity found = statIdentity(st);
  found.hash = known.hash;
  if (found != known) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileState::Missing;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    found.hash = contentHash(bytes);
    found.size = bytes.size();
  }
  if (now) *now = found;
  return found.hash == known.hash && found.size == known.size ? FileState::Unchanged : FileState::Changed;
}
