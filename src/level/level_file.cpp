#include "level/level_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "level/brannoc_doc.h"
#include "level/level_format_error.h"

namespace {

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

FileResult Failure(const std::string& path, const std::string& what) { return {false, path + ": " + what}; }

}  // namespace

FileResult OpenLevelFile(CBrannocDoc& doc, const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return Failure(path, "this is a folder, not a level file");
  std::ifstream in(path, std::ios::binary);
  if (!in) return Failure(path, std::string("cannot open: ") + std::strerror(errno));
  doc.DeleteContents();
  try {
    doc.ReadLevel(in, path);
  } catch (const LevelFormatError& e) {
    doc.OnNewDocument();  // nothing half-read stays behind
    return {false, std::string(e.what()) + " (the file has an invalid format)"};
  }
  if (in.bad()) {
    doc.OnNewDocument();
    return Failure(path, "read error");
  }
  doc.SetModifiedFlag(false);
  return {};
}

FileResult SaveLevelFile(CBrannocDoc& doc, const std::string& path) {
  std::ostringstream out(std::ios::binary);
  doc.WriteLevel(out);
  return WriteFileAtomically(path, out.str());
}

FileResult WriteFileAtomically(const std::string& path, const std::string& bytes) {
  std::string temp = DirectoryOf(path) + "/.cavernia-XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) return Failure(path, std::string("cannot write in its folder: ") + std::strerror(errno));
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const std::string why = std::strerror(errno);
      ::close(fd);
      ::unlink(temp.c_str());
      return Failure(path, "write error: " + why);
    }
    written += static_cast<size_t>(n);
  }
  // Keep the permissions of the file being replaced, or the usual ones for a new file.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) {
    ::fchmod(fd, st.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    const std::string why = std::strerror(errno);
    ::unlink(temp.c_str());
    return Failure(path, "write error: " + why);
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const std::string why = std::strerror(errno);
    ::unlink(temp.c_str());
    return Failure(path, "cannot replace the file: " + why);
  }
  return {};
}
